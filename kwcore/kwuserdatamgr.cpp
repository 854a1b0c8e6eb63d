#include "kwuserdatamgr.h"

#include "corelog_p.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QMutexLocker>
#include <QStandardPaths>

namespace {

QString systemDataDir()
{
#ifdef Q_OS_WIN
    // The ProgramData folder: writable by every user, unlike the installation folder.
    QString base = qEnvironmentVariable("ProgramData");
    if (base.isEmpty())
        base = QStringLiteral("C:/ProgramData");
    return QDir::fromNativeSeparators(base) + QStringLiteral("/kwfn");
#else
    QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (base.isEmpty())
        base = QDir::tempPath();
    return base + QStringLiteral("/kwfn");
#endif
}

} // namespace

KwUserDataMgr *KwUserDataMgr::getInstance()
{
    static KwUserDataMgr instance;
    return &instance;
}

QString KwUserDataMgr::getAllUsersDir()
{
    const QString source = qEnvironmentVariable("KW_ALLUSERS_DIR");
    QMutexLocker lock(&m_mutex);
    if (m_resolved && source == m_source)
        return m_dir;

    const QString raw = source.isEmpty() ? systemDataDir() : QDir::fromNativeSeparators(source);
    // cleanPath drops the trailing separator and any "." or ".." steps, so callers can
    // append "/tmp" and compare paths as texts.
    const QString dir = QDir::cleanPath(QFileInfo(raw).absoluteFilePath());
    if (!QDir().mkpath(dir))
        qCWarning(lcCore).noquote() << "KwUserDataMgr: cannot create the all-users folder" << dir;

    m_source = source;
    m_dir = dir;
    m_resolved = true;
    return m_dir;
}

QString KwUserDataMgr::getAllUsersTmpDir()
{
    return getAllUsersDir() + QStringLiteral("/tmp");
}
