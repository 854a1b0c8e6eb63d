#pragma once

#include "kwcore_export.h"
#include "indiiteminfo.h"
#include "menuconfig.h"

#include <QHash>
#include <QList>
#include <QMutex>
#include <QString>

#include <map>
#include <string>

// The process-wide configuration: menus, indicator settings and where the shortcut list is.
//
// It is read from <all-users dir>/config/kwcfg.json. Each top-level member of that file
// ("menus", "indicators", "shortcutFile") replaces the built-in default of the same name; a
// member the file lacks, or the whole file when it is missing or malformed, falls back to the
// defaults compiled into this library, so every program works on a fresh machine.
//
// The getters load the configuration on first use; loadCfg() reads it again. Meant for the
// GUI thread; loading and storing are serialised so a worker may read menus as well.
class KWCORE_EXPORT Kwcfg
{
public:
    static Kwcfg *getInstance();

    // (Re)reads the configuration file, or the built-in defaults.
    void loadCfg();

    // The shortcut list: the file's "shortcutFile" (relative paths resolve against the
    // configuration folder), else <config folder>/shortcuts.json when it exists, else the
    // built-in sample (a ":/" resource path that QFile opens).
    QString getShortCutCfgPath();

    // Every indicator's settings by indicator name. The reference stays valid for the life
    // of the program; its content changes with loadCfg() and setIndiInfo().
    const std::map<std::string, IndiItemInfo> &getIndiMap() const;

    // Stores the record under record.name and writes the indicators to the configuration
    // file at once, atomically, keeping every other member of the file as it was. A file
    // that cannot be parsed is first kept aside as kwcfg.json.bad. A record without a name is
    // refused.
    void setIndiInfo(const IndiItemInfo &info);

    // The entries of the menu configured under `key`, in menu order; empty when unknown.
    QList<MenuItemInfo> menuItems(const QString &key) const;

    // <all-users dir>/config/kwcfg.json, whether it exists or not.
    QString configFilePath() const;
    // Built-in resources, for programs that want to show or copy the samples.
    static QString defaultConfigPath();     // ":/kwcore/kwcfg.json"
    static QString defaultShortcutPath();   // ":/kwcore/shortcuts.json"

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

    Kwcfg(const Kwcfg &) = delete;
    Kwcfg &operator=(const Kwcfg &) = delete;

private:
    Kwcfg() = default;

    void ensureLoaded() const;
    void loadLocked();
    bool persistIndicatorsLocked();

    mutable QMutex m_mutex;
    bool m_loaded = false;
    QString m_configDir;        // folder the configuration was loaded from
    QString m_shortcutFile;     // as written in the file; empty when not configured
    QHash<QString, QList<MenuItemInfo>> m_menus;
    std::map<std::string, IndiItemInfo> m_indiMap;
};
