#include "galleryicon.h"
#include "galleryshell.h"
#include "gallerywindow.h"
#include "screenshotter.h"
#include "webengineenvironment.h"

#include "bus/kwobject.h"
#include "kwcfg.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTemporaryDir>

#include <cstdio>

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
    app.setWindowIcon(galleryIcon());

    QCommandLineParser parser;
    parser.setApplicationDescription("KwControls gallery: every widget family of the library with sample data.");
    parser.addHelpOption();
    parser.addOption({"screenshots", "Visit every page, write one PNG per page into <dir>, and exit.", "dir"});
    parser.addOption({"lang",
                      "The language to start in: zh (Chinese, the default) or en (English). The button on "
                      "the title bar switches while the gallery runs.",
                      "zh|en", "zh"});
    parser.process(app);
    const QString language = parser.value("lang");
    if ((language != "zh" && language != "en") || !GalleryShell::applyLanguage(QLocale(language))) {
        std::fprintf(stderr, "kwgallery: --lang takes zh or en, not \"%s\"\n", qPrintable(language));
        return 1;
    }

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
        GalleryShell shell;
        GalleryWindow *window = shell.open();
        if (parser.isSet("screenshots")) {
            auto *walk = new Screenshotter(window, parser.value("screenshots"));
            QObject::connect(walk, &Screenshotter::finished, window, [window](bool allSaved) {
                window->close();
                QCoreApplication::exit(allSaved ? 0 : 1);
            });
            walk->start();
        }
        result = app.exec();
    }
    KwObject::unInit();
    return result;
}
