#pragma once

/// \file
/// installQtTranslations(): Qt's own words in the client's language.

#include "kwcore_export.h"

#include <QLocale>
#include <QStringList>

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

/**
 * @brief Installs the catalogue @p catalogue for @p locale, in place of the one installed
 * before under the same name.
 *
 * Looks in @p folders in their order for `<catalogue>_<language>.qm`, the most specific name
 * for @p locale first (`kwcontrols_en_US.qm`, then `kwcontrols_en.qm`), and installs the first
 * found into the running application. A catalogue this function installed earlier under the
 * same @p catalogue name is taken out at the same time, so calling it again switches the
 * language instead of stacking catalogues. When no folder has one, nothing changes.
 * installQtTranslations() keeps to the same rule under the name "qt".
 *
 * @return whether a catalogue was found and installed; false also without an application
 * object.
 */
KWCORE_EXPORT bool installTranslation(const QString &catalogue, const QLocale &locale, const QStringList &folders);

/**
 * @brief Takes out the catalogue installTranslation() installed under @p catalogue.
 *
 * Afterwards the texts it translated show their source texts again. Does nothing when there
 * is none.
 */
KWCORE_EXPORT void removeTranslation(const QString &catalogue);

/**
 * @brief The folders a catalogue is looked for in, in order.
 *
 * `translations/` beside the program first, where a deployment puts catalogues (a newer one
 * there overrides one built into a library), then @p builtIn, usually a resource folder such
 * as `:/kwcontrols/translations`.
 */
KWCORE_EXPORT QStringList translationFolders(const QString &builtIn);
