#include "updatelog.h"

#include <QDir>
#include <QFileInfo>
#include <QMutex>
#include <QMutexLocker>
#include <QTextStream>

namespace {

// The worker thread logs too: one line must never cut into another.
QMutex g_logMutex;
QTextStream g_logStream;

} // namespace

void logMessageHandler(QtMsgType, const QMessageLogContext &, const QString &message)
{
    QMutexLocker lock(&g_logMutex);
    if (!g_logStream.device())
        return;
    g_logStream << message << '\n';
    g_logStream.flush();
}

UpdateLog::UpdateLog(const QString &path)
    : m_file(path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return;
    {
        QMutexLocker lock(&g_logMutex);
        g_logStream.setDevice(&m_file);
    }
    qInstallMessageHandler(logMessageHandler);
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
