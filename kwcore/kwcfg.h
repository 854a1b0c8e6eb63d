#pragma once

/// \file
/// Kwcfg: the process-wide configuration of menus, indicators and the shortcut list.

#include "kwcore_export.h"
#include "indiiteminfo.h"
#include "menuconfig.h"

#include <QHash>
#include <QList>
#include <QMutex>
#include <QString>

#include <map>
#include <string>

/// The process-wide configuration: menus, indicator settings and where the shortcut list is.
///
/// It is read from `<all-users dir>/config/kwcfg.json`. Each top-level member of that file
/// ("menus", "indicators", "shortcutFile") replaces the built-in default of the same name; a
/// member the file lacks or has with the wrong type, or the whole file when it is missing or
/// malformed, falls back to the defaults compiled into this library, so every program works on a
/// fresh machine. What is wrong with the file is logged on one line.
///
/// \code
/// Kwcfg *cfg = Kwcfg::getInstance();
/// const QList<MenuItemInfo> items = cfg->menuItems("quoteList");
/// IndiItemInfo macd = cfg->getIndiMap().at("MACD");
/// macd.params[0].value = 10;
/// cfg->setIndiInfo(macd);   // written to kwcfg.json at once
/// \endcode
///
/// The one instance lives as long as the program and is never deleted. The getters load the
/// configuration on first use; loadCfg() reads it again. Meant for the GUI thread; loading and
/// storing are serialised so a worker may read menus as well.
/// \ingroup core
class KWCORE_EXPORT Kwcfg
{
public:
    /// The one configuration of the process, made on first use.
    static Kwcfg *getInstance();

    /// (Re)reads the configuration file, or the built-in defaults.
    void loadCfg();

    /// Where the shortcut list is.
    ///
    /// The file's "shortcutFile" (relative paths resolve against the configuration folder), else
    /// `<config folder>/shortcuts.json` when it exists, else the built-in sample (a ":/" resource
    /// path that QFile opens).
    QString getShortCutCfgPath();

    /// Every indicator's settings by indicator name.
    ///
    /// The reference stays valid for the life of the program; its content changes with loadCfg()
    /// and setIndiInfo(), so read it in the thread that calls those.
    const std::map<std::string, IndiItemInfo> &getIndiMap() const;

    /// Stores the record under `info.name` and writes the indicators to the configuration file.
    ///
    /// The file is written at once, atomically, keeping every other member of it as it was. A
    /// file that cannot be parsed is first kept aside as kwcfg.json.bad; one that cannot be read
    /// at all (not a regular file, too large) is left alone and the settings are kept in memory
    /// only. A record without a name is refused. Failures are logged, not reported.
    void setIndiInfo(const IndiItemInfo &info);

    /// The entries of the menu configured under `key`, in menu order; empty when unknown.
    QList<MenuItemInfo> menuItems(const QString &key) const;

    /// `<all-users dir>/config/kwcfg.json`, whether it exists or not.
    QString configFilePath() const;
    /// The built-in configuration, ":/kwcore/kwcfg.json", for programs that want to show or copy
    /// the sample.
    static QString defaultConfigPath();
    /// The built-in shortcut list, ":/kwcore/shortcuts.json", for programs that want to show or
    /// copy the sample.
    static QString defaultShortcutPath();

    /**
     * @brief A text of the configuration as the user reads it.
     *
     * The texts of the built-in defaults (menu entries and their tips, indicator names,
     * shortcut names) are written in Chinese and translated like the libraries' other texts,
     * in the catalogue KwControls::installTranslator() installs. Returns @p configured in the
     * installed language when it is one of those texts, wherever it was configured, and as it
     * is otherwise: a text of the client's own is shown as the client wrote it. The
     * configuration itself keeps the texts as written.
     */
    static QString displayText(const QString &configured);

    /// Not copyable: there is one configuration.
    Kwcfg(const Kwcfg &) = delete;
    /// Not assignable: there is one configuration.
    Kwcfg &operator=(const Kwcfg &) = delete;

private:
    Kwcfg() = default;

    void ensureLoaded() const;
    void loadLocked();
    bool persistIndicatorsLocked();

    mutable QMutex m_mutex;
    bool m_loaded = false;
    QString m_configDir; // folder the configuration was loaded from
    QString m_shortcutFile; // as written in the file; empty when not configured
    QHash<QString, QList<MenuItemInfo>> m_menus;
    std::map<std::string, IndiItemInfo> m_indiMap;
};
