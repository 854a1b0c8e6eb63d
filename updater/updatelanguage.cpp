#include "updatelanguage.h"

#include "kwtranslations.h"
#include "qttranslations.h"

bool installUpdaterLanguage(const QLocale &system)
{
    if (system.language() != QLocale::English) {
        installQtTranslations();
        return false;
    }
    installQtTranslations(system);
    // The window shows no text of the libraries today (KwCore has none to show), but it is
    // built on KwControlsCore: with its catalogue in, a library widget added to the window
    // later speaks English too. Its texts stay in one catalogue with the library they belong
    // to, which every program of ours can load.
    KwControls::installTranslator(system);
    // The catalogue sits in the resources of a static library: make sure the linker keeps them.
    Q_INIT_RESOURCE(kwupdate_translations);
    return installTranslation(QStringLiteral("kwupdate"), system,
                              translationFolders(QStringLiteral(":/kwupdate/translations")));
}
