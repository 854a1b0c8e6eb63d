#include "kwupdatewindow.h"
#include "runparameters.h"
#include "updatelog.h"

#include "bus/kwobject.h"
#include "kwcfg.h"
#include "kwuserdatamgr.h"

#include <QApplication>
#include <QSysInfo>

int main(int argc, char *argv[])
{
#ifdef Q_OS_WIN
    // XP's drivers rarely give Qt a usable OpenGL.
    if (QSysInfo::productVersion() == QLatin1String("XP"))
        QCoreApplication::setAttribute(Qt::AA_UseSoftwareOpenGL);
#endif
    QApplication app(argc, argv);
    // The window decides when the run ends, and with which exit code.
    app.setQuitOnLastWindowClosed(false);

    UpdateLog log(KwUserDataMgr::getInstance()->getAllUsersDir() + QStringLiteral("/tmp/udpate_log.txt"));
    KwObject::init();
    Kwcfg::getInstance()->loadCfg();
    const RunParameters params =
        RunParameters::read(KwUserDataMgr::getInstance()->getAllUsersDir() + QStringLiteral("/tmp/updateparam.txt"));

    auto *window = new KwUpdateWindow;
    QObject::connect(window, &KwUpdateWindow::signalQuit, &app, [](int exitCode) { QCoreApplication::exit(exitCode); });
    window->show();
    window->beginUpdate(params.verfile, params.updateDir);
    const int result = app.exec();
    log.close();
    delete window;
    return result;
}
