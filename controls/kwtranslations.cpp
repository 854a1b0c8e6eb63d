#include "kwtranslations.h"

#include "qttranslations.h"

namespace {
// The catalogue's base name, in the resources (see controls/CMakeLists.txt) and in files.
const char *const Catalogue = "kwcontrols";
} // namespace

namespace KwControls {

bool installTranslator(const QLocale &locale)
{
    // The source texts are Chinese: nothing to load, only a catalogue to take out.
    if (locale.language() == QLocale::Chinese) {
        removeTranslation(QLatin1String(Catalogue));
        return true;
    }
    return installTranslation(QLatin1String(Catalogue), locale,
                              translationFolders(QStringLiteral(":/kwcontrols/translations")));
}

} // namespace KwControls
