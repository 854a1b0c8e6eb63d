#pragma once

#include "kwcontrols_export.h"

#include <QLocale>

namespace KwControls {

/**
 * @brief Shows the library's texts in the language of @p locale.
 *
 * The library's texts (window buttons, message box buttons, the chart tools' dialogs, tips and
 * accessible names) are written in Chinese and go through Qt's translation system; this
 * installs the library's catalogue for @p locale into the running application. The catalogue
 * is built into the library; one named `kwcontrols_<language>.qm` in `translations/` beside
 * the program takes precedence. Call it after the application object exists and before the
 * widgets are made: widgets set their texts when they are constructed.
 *
 * Calling it again replaces the catalogue installed before instead of adding a second one. A
 * Chinese @p locale, the language the texts are written in, needs no catalogue: the one
 * installed before is taken out and the call returns true. For a language without a
 * catalogue nothing changes and the call returns false; English is the one shipped.
 *
 * Qt's own words (standard buttons, file and colour dialogs) come from Qt's catalogues:
 * installQtTranslations() in KwCore installs those for the same locale.
 *
 * @return whether the library now shows the texts of @p locale.
 */
KWCONTROLS_EXPORT bool installTranslator(const QLocale &locale);

} // namespace KwControls
