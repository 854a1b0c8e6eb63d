#pragma once

/// \file
/// MenuItemInfo and MenuConfig: the entries of the configured menus.

#include "kwcore_export.h"

#include <QList>
#include <QMetaType>
#include <QString>

/// One entry of a configured menu.
///
/// The id is what the menu reports when the entry is triggered, so pages dispatch on ids that
/// stay stable whatever the texts say. A plain value, registered with Qt's meta-type system so
/// that it travels in a QVariant.
/// \ingroup core
struct MenuItemInfo
{
    int id = 0; ///< What the menu reports when the entry is triggered.
    QString text; ///< The entry's text.
    bool enabled = true; ///< Whether the entry can be triggered.
    bool checkable = false; ///< Whether the entry has a check mark.
    bool checked = false; ///< Whether the check mark is on (for a checkable entry).
    QString icon; ///< Path of the icon (a file or ":/..." resource); empty: none.
    QString shortcut; ///< Key sequence text, such as "Ctrl+E"; empty: none.
    QString tip; ///< Status or tool tip text.

    /// Whether every field equals the other's.
    bool operator==(const MenuItemInfo &o) const
    {
        return id == o.id && text == o.text && enabled == o.enabled && checkable == o.checkable &&
               checked == o.checked && icon == o.icon && shortcut == o.shortcut && tip == o.tip;
    }
    /// Whether any field differs from the other's.
    bool operator!=(const MenuItemInfo &o) const { return !(*this == o); }
};

Q_DECLARE_METATYPE(MenuItemInfo)

/// The menus of the configuration, looked up by key.
///
/// A shortcut to Kwcfg::menuItems() for code that needs nothing else of the configuration.
///
/// \code
/// for (const MenuItemInfo &item : MenuConfig::menuItemInfo("quoteList"))
///     menu->addAction(item.text)->setData(item.id);
/// \endcode
/// \ingroup core
class KWCORE_EXPORT MenuConfig
{
public:
    /// The entries configured under `key`, in menu order; none for a key nobody configured.
    static QList<MenuItemInfo> menuItemInfo(const QString &key);
};
