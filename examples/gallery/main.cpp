#include "galleryicon.h"
#include "gallerywindow.h"
#include "screenshotter.h"
#include "webengineenvironment.h"

#include "bus/kwobject.h"
#include "kwcfg.h"
#include "qttranslations.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTemporaryDir>

int main(int argc, char *argv[])
{
    prepareWebEngineEnvironment();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    // Qt 5 hands icons to a scaled screen at their 1x size unless asked: the library draws its
    // pictures for the screen's pixel ratio, and this lets them reach it sharp. Qt 6 always does.
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
#endif
    QApplication app(argc, argv);
    app.setApplicationName("kwgallery");
    installQtTranslations();
    app.setWindowIcon(galleryIcon());

    QCommandLineParser parser;
    parser.setApplicationDescription("KwControls gallery: every widget family of the library with sample data.");
    parser.addHelpOption();
    parser.addOption({"screenshots", "Visit every page, write one PNG per page into <dir>, and exit.", "dir"});
    parser.process(app);

    // The pages write settings (indicator parameters) and run the updater: without a folder of
    // the user's choice they work in a throw-away one, so a demo never touches real data.
    QTemporaryDir scratch;
    if (qEnvironmentVariableIsEmpty("KW_ALLUSERS_DIR"))
        qputenv("KW_ALLUSERS_DIR", scratch.path().toLocal8Bit());

    KwObject::init();
    Kwcfg::getInstance()->loadCfg();

    GalleryWindow::applyStyleSheet(&app);

    int result = 0;
    {
        GalleryWindow window;
        window.show();
        if (parser.isSet("screenshots")) {
            auto *walk = new Screenshotter(&window, parser.value("screenshots"));
            QObject::connect(walk, &Screenshotter::finished, &window, [&window](bool allSaved) {
                window.close();
                QCoreApplication::exit(allSaved ? 0 : 1);
            });
            walk->start();
        }
        result = app.exec();
    }
    KwObject::unInit();
    return result;
}
