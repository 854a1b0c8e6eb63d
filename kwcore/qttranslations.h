#pragma once

/// \file
/// installQtTranslations(): Qt's own words in the client's language.

#include "kwcore_export.h"

#include <QLocale>

/// Loads Qt's own translations for `locale` (Simplified Chinese by default) into the running
/// application, so that Qt's words match the client's.
///
/// Qt's words are the standard buttons "OK" and "Cancel", the colour and file dialogs, the
/// context menus of text fields. Looks beside the program first (`translations/`, where a Windows
/// deployment puts them), then in Qt's installed translations folder, for the catalogue "qt" or
/// else "qtbase". Call once, after the application object exists; the translator is a child of
/// the application. Returns whether a catalogue was found; without one (or without an
/// application object) Qt's words stay English and nothing else changes.
/// \ingroup core
KWCORE_EXPORT bool installQtTranslations(const QLocale &locale = QLocale(QLocale::Chinese, QLocale::China));
