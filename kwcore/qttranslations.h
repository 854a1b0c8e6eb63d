#pragma once

#include "kwcore_export.h"

#include <QLocale>

// Loads Qt's own translations (the standard buttons "OK" and "Cancel", the colour and file
// dialogs, the context menus of text fields) for `locale` into the running application, so
// that Qt's words match the client's. Looks beside the program first (`translations/`, where a
// Windows deployment puts them), then in Qt's installed translations folder. Call once, after
// the application object exists. Returns whether a catalogue was found; without one Qt's words
// stay English and nothing else changes.
KWCORE_EXPORT bool installQtTranslations(const QLocale &locale = QLocale(QLocale::Chinese, QLocale::China));
