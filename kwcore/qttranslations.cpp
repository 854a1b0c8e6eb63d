#include "qttranslations.h"

#include <QCoreApplication>
#include <QHash>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

#include <memory>

namespace {

// What installTranslation() put in, by catalogue name. The translators are children of the
// application and go with it; QPointer notices that.
QHash<QString, QPointer<QTranslator>> &installedTranslators()
{
    static QHash<QString, QPointer<QTranslator>> translators;
    return translators;
}

// Installs, under `key`, the first of `names` found in `folders`; every name is tried in a
// folder before the next folder.
bool install(const QString &key, const QStringList &names, const QLocale &locale, const QStringList &folders)
{
    QCoreApplication *app = QCoreApplication::instance();
    if (!app)
        return false;
    for (const QString &folder : folders) {
        for (const QString &name : names) {
            auto translator = std::make_unique<QTranslator>();
            if (!translator->load(locale, name, QStringLiteral("_"), folder))
                continue;
            removeTranslation(key);
            translator->setParent(app);
            app->installTranslator(translator.get());
            installedTranslators().insert(key, translator.release());
            return true;
        }
    }
    return false;
}

} // namespace

QStringList translationFolders(const QString &builtIn)
{
    return {QCoreApplication::applicationDirPath() + QStringLiteral("/translations"), builtIn};
}

bool installTranslation(const QString &catalogue, const QLocale &locale, const QStringList &folders)
{
    return install(catalogue, {catalogue}, locale, folders);
}

void removeTranslation(const QString &catalogue)
{
    const QPointer<QTranslator> translator = installedTranslators().take(catalogue);
    if (!translator)
        return;
    if (QCoreApplication *app = QCoreApplication::instance())
        app->removeTranslator(translator);
    delete translator;
}

bool installQtTranslations(const QLocale &locale)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    const QString installed = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
#else
    const QString installed = QLibraryInfo::location(QLibraryInfo::TranslationsPath);
#endif
    // "qt" is the catalogue that pulls in the per-module ones; some installations ship only
    // "qtbase".
    return install(QStringLiteral("qt"), {QStringLiteral("qt"), QStringLiteral("qtbase")}, locale,
                   translationFolders(installed));
}
