#include "webengineenvironment.h"

#include <QByteArray>
#include <QDir>
#include <QStringList>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {
bool runsAsRoot()
{
#ifdef Q_OS_UNIX
    return ::geteuid() == 0;
#else
    return false;
#endif
}

// No render node (a container, a virtual machine, Xvfb on a server) or a display forwarded
// from another host (ssh -X): Chromium's GPU process would only fail and fall back, noisily.
bool gpuUnusable()
{
#ifdef Q_OS_LINUX
    const QString display = qEnvironmentVariable("DISPLAY");
    const bool forwarded = !display.isEmpty() && !display.startsWith(':') && !display.startsWith("unix:");
    return forwarded || QDir("/dev/dri").entryList({"renderD*"}, QDir::System).isEmpty();
#else
    return false;
#endif
}
} // namespace

void prepareWebEngineEnvironment()
{
    // Each variable the user set stays as it is.
    if (runsAsRoot() && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    if (qEnvironmentVariableIsSet("QTWEBENGINE_CHROMIUM_FLAGS"))
        return;
    QStringList flags;
    if (runsAsRoot())
        flags << "--no-sandbox";
    if (gpuUnusable())
        flags << "--disable-gpu";
    if (!flags.isEmpty())
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags.join(' ').toLocal8Bit());
}
