#pragma once

/// \file
/// KwUserDataMgr: where the data shared by every user of the machine lives.

#include "kwcore_export.h"

#include <QMutex>
#include <QString>

/// Knows where the data shared by every user of this machine lives.
///
/// The updater's parameter file, its log, downloaded packages and the configuration all sit below
/// one folder, the all-users folder. The environment variable `KW_ALLUSERS_DIR` puts it
/// elsewhere.
///
/// \code
/// const QString config = KwUserDataMgr::getInstance()->getAllUsersDir() + "/config";
/// \endcode
///
/// The one instance lives as long as the program and is never deleted; its calls are safe from
/// any thread.
/// \ingroup core
class KWCORE_EXPORT KwUserDataMgr
{
public:
    /// The one instance of the process, made on first use.
    static KwUserDataMgr *getInstance();

    /// The all-users folder, absolute and without trailing separator.
    ///
    /// `$KW_ALLUSERS_DIR` when set (made absolute), otherwise the machine-wide data folder of this
    /// system followed by "/kwfn" (ProgramData on Windows, the generic data location elsewhere).
    /// The folder is created when missing. The environment is looked at on every call, so a
    /// program (or a test) that sets the variable before its first use gets it; as long as it
    /// does not change, every call returns the same text. Safe to call from any thread.
    QString getAllUsersDir();
    /// getAllUsersDir() + "/tmp": the updater's parameter file, its log and lock, downloads.
    ///
    /// Not created here.
    QString getAllUsersTmpDir();

    /// Not copyable: there is one instance.
    KwUserDataMgr(const KwUserDataMgr &) = delete;
    /// Not assignable: there is one instance.
    KwUserDataMgr &operator=(const KwUserDataMgr &) = delete;

private:
    KwUserDataMgr() = default;

    QMutex m_mutex;
    bool m_resolved = false;
    QString m_source; // the variable's value the cached folder was resolved from
    QString m_dir;
};
