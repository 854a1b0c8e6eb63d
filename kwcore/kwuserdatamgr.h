#pragma once

#include "kwcore_export.h"

#include <QMutex>
#include <QString>

// Knows where the data shared by every user of this machine lives: the updater's parameter
// file, its log, downloaded packages and the configuration all sit below one folder.
class KWCORE_EXPORT KwUserDataMgr
{
public:
    static KwUserDataMgr *getInstance();

    // $KW_ALLUSERS_DIR when set (made absolute, no trailing separator), otherwise the
    // machine-wide data folder of this system followed by "/kwfn". The folder is created
    // when missing. The environment is looked at on every call, so a program (or a test)
    // that sets the variable before its first use gets it; as long as it does not change,
    // every call returns the same text. Safe to call from any thread.
    QString getAllUsersDir();
    // getAllUsersDir() + "/tmp": the updater's parameter file, its log and lock, downloads.
    // Not created here.
    QString getAllUsersTmpDir();

    KwUserDataMgr(const KwUserDataMgr &) = delete;
    KwUserDataMgr &operator=(const KwUserDataMgr &) = delete;

private:
    KwUserDataMgr() = default;

    QMutex m_mutex;
    bool m_resolved = false;
    QString m_source;   // the variable's value the cached folder was resolved from
    QString m_dir;
};
