#include "updatelog.h"

#include <QDir>
#include <QFileInfo>
#include <QMutex>
#include <QMutexLocker>
#include <QTextStream>

#include <cstdio>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

// The worker thread logs too: one line must never cut into another.
QMutex g_logMutex;
QTextStream g_logStream;

#ifdef Q_OS_UNIX

// A descriptor for the log file itself, never for what a link or a second name points to.
int openLogDescriptor(const QByteArray &path, UpdateLog::Mode mode)
{
    // Every line goes to the end, also in a fresh log: a second run refused by the lock adds
    // its line there, and the running one must not write over it.
    const int flags = O_WRONLY | O_CREAT | O_APPEND | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
    for (int attempt = 0; attempt < 2; ++attempt) {
        const int fd = ::open(path.constData(), flags, 0644);
        struct stat st;
        if (fd >= 0 && ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_nlink == 1) {
            if (mode == UpdateLog::FromStart && ::ftruncate(fd, 0) != 0) {
                ::close(fd);
                return -1;
            }
            ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
            return fd;
        }
        const bool replaceable = (fd < 0 && errno == ELOOP) || (fd >= 0 && S_ISREG(st.st_mode) && st.st_nlink > 1);
        if (fd >= 0)
            ::close(fd);
        // A link, or a hard link to someone else's file: drop the name, make our own file.
        if (!replaceable || ::unlink(path.constData()) != 0)
            return -1;
    }
    return -1;
}

#endif

} // namespace

void logMessageHandler(QtMsgType, const QMessageLogContext &, const QString &message)
{
    QMutexLocker lock(&g_logMutex);
    if (!g_logStream.device())
        return;
    g_logStream << message << '\n';
    g_logStream.flush();
}

UpdateLog::UpdateLog(const QString &path, Mode mode)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!openFile(path, mode)) {
        std::fprintf(stderr, "cannot use %s as the log; logging to standard error\n", qPrintable(path));
        if (!m_file.open(stderr, QIODevice::WriteOnly | QIODevice::Text))
            return;
    }
    {
        QMutexLocker lock(&g_logMutex);
        g_logStream.setDevice(&m_file);
    }
    qInstallMessageHandler(logMessageHandler);
}

bool UpdateLog::openFile(const QString &path, Mode mode)
{
#ifdef Q_OS_UNIX
    const int fd = openLogDescriptor(QFile::encodeName(path), mode);
    return fd >= 0 && m_file.open(fd, QIODevice::WriteOnly | QIODevice::Text, QFileDevice::AutoCloseHandle);
#else
    const QFileInfo info(path);
    if (info.isSymLink() && !QFile::remove(path))
        return false;
    if (info.exists() && !info.isSymLink() && !info.isFile())
        return false;
    m_file.setFileName(path);
    return m_file.open(QIODevice::WriteOnly | QIODevice::Text |
                       (mode == Append ? QIODevice::Append : QIODevice::Truncate));
#endif
}

UpdateLog::~UpdateLog()
{
    close();
}

void UpdateLog::close()
{
    if (!m_file.isOpen())
        return;
    qInstallMessageHandler(nullptr);
    {
        QMutexLocker lock(&g_logMutex);
        g_logStream.setDevice(nullptr);
    }
    m_file.close();
}
