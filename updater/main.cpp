#include "kwupdatewindow.h"
#include "quitwhenshown.h"
#include "runlock.h"
#include "runparameters.h"
#include "updatefonts.h"
#include "updatelanguage.h"
#include "updatefailure.h"
#include "updatelog.h"

#include "bus/kwobject.h"
#include "kwcfg.h"
#include "kwuserdatamgr.h"

#include <QApplication>
#include <QDir>
#include <QSysInfo>

#include <cstdio>

int main(int argc, char *argv[])
{
    // Before anything that needs a display, a lock or the log.
    if (RunParameters::asksForHelp(argc, argv)) {
        std::fputs(RunParameters::usage().toUtf8().constData(), stdout);
        return 0;
    }
#ifdef Q_OS_WIN
    // XP's drivers rarely give Qt a usable OpenGL.
    if (QSysInfo::productVersion() == QLatin1String("XP"))
        QCoreApplication::setAttribute(Qt::AA_UseSoftwareOpenGL);
#endif
    QApplication app(argc, argv);
    // The window decides when the run ends, and with which exit code.
    app.setQuitOnLastWindowClosed(false);
    installUpdaterLanguage(QLocale::system());
    installUpdaterFontSubstitutes();

    const QString tmpDir = KwUserDataMgr::getInstance()->getAllUsersTmpDir();
    QDir().mkpath(tmpDir);
    // One updater per all-users folder: its log, parameters and the client's backup copy are
    // shared. A second run must not even start the log afresh under the first one.
    RunLock lock;
    QString lockRefusal;
    const bool alone = lock.tryLock(tmpDir + QStringLiteral("/kwupdate.lock"), &lockRefusal);
    UpdateLog log(tmpDir + QStringLiteral("/udpate_log.txt"), alone ? UpdateLog::FromStart : UpdateLog::Append);
    KwObject::init();
    Kwcfg::getInstance()->loadCfg();
    RunParameters params;
    QString paramsRefusal;
    const bool haveParams = params.read(tmpDir + QStringLiteral("/updateparam.txt"), &paramsRefusal);

    // A client usually starts the updater from its installation folder, which is about to be
    // swapped (Windows refuses to rename a process's working folder); the client goes back
    // there when it is restarted.
    const QString startDir = QDir::currentPath();
    QDir::setCurrent(tmpDir);

    auto *window = new KwUpdateWindow;
    window->setRestartDir(startDir);
    QObject::connect(window, &KwUpdateWindow::signalQuit, &app, [](int exitCode) { QCoreApplication::exit(exitCode); });
    if (qEnvironmentVariableIsSet("KW_UPDATE_QUIT_WHEN_SHOWN"))
        new QuitWhenShown(window);
    // The page the run starts on is chosen before the window shows, so that the first frame
    // on screen is that page and no other page is made for nothing.
    if (!alone)
        window->failBeforeStart(int(lock.heldElsewhere() ? UpdateFailure::AnotherRun : UpdateFailure::Install),
                                lockRefusal);
    else if (!haveParams)
        window->failBeforeStart(int(UpdateFailure::Parameters),
                                QStringLiteral("no usable parameter file: ") + paramsRefusal);
    else
        window->beginUpdate(params.verfile, params.updateDir);
    window->show();
    const int result = app.exec();
    log.close();
    delete window;
    return result;
}
