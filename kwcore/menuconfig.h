#pragma once

#include "kwcore_export.h"

#include <QList>
#include <QMetaType>
#include <QString>

// One entry of a configured menu. The id is what the menu reports when the entry is
// triggered, so pages dispatch on ids that stay stable whatever the texts say.
struct MenuItemInfo
{
    int id = 0;
    QString text;
    bool enabled = true;
    bool checkable = false;
    bool checked = false;
    QString icon;       // path of the icon (a file or ":/..." resource); empty: none
    QString shortcut;   // key sequence text, e.g. "Ctrl+E"; empty: none
    QString tip;        // status or tool tip text

    bool operator==(const MenuItemInfo &o) const
    {
        return id == o.id && text == o.text && enabled == o.enabled && checkable == o.checkable
            && checked == o.checked && icon == o.icon && shortcut == o.shortcut && tip == o.tip;
    }
    bool operator!=(const MenuItemInfo &o) const { return !(*this == o); }
};

Q_DECLARE_METATYPE(MenuItemInfo)

class KWCORE_EXPORT MenuConfig
{
public:
    // The entries configured under `key`, in menu order; none for a key nobody configured.
    static QList<MenuItemInfo> menuItemInfo(const QString &key);
};
