#include "menuconfig.h"

#include "kwcfg.h"

QList<MenuItemInfo> MenuConfig::menuItemInfo(const QString &key)
{
    return Kwcfg::getInstance()->menuItems(key);
}
