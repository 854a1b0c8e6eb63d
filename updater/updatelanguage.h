#pragma once

#include <QLocale>

// Chooses KwUpdate's language from the system's: English texts on an English system, the
// Chinese source texts on every other one. Installs Qt's own catalogue for the language chosen
// and, for English, the updater's and the library's catalogues. Under Chinese no catalogue of
// ours is loaded at all (the start-up is measured), only Qt's Chinese one, as always. Call once
// the application object exists, before the window is made. Returns whether the English texts
// were installed.
bool installUpdaterLanguage(const QLocale &system);
