#include "qttranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

bool installQtTranslations(const QLocale &locale)
{
    QCoreApplication *app = QCoreApplication::instance();
    if (!app)
        return false;
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    const QString installed = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
#else
    const QString installed = QLibraryInfo::location(QLibraryInfo::TranslationsPath);
#endif
    const QStringList folders{QCoreApplication::applicationDirPath() + QStringLiteral("/translations"), installed};
    // "qt" is the catalogue that pulls in the per-module ones; some installations ship only
    // "qtbase".
    for (const QString &folder : folders) {
        for (const char *catalogue : {"qt", "qtbase"}) {
            auto *translator = new QTranslator(app);
            if (translator->load(locale, QString::fromLatin1(catalogue), QStringLiteral("_"), folder)) {
                app->installTranslator(translator);
                return true;
            }
            delete translator;
        }
    }
    return false;
}
