#include "dataview/kwmenu.h"

#include "controlslog_p.h"

#include "kwcfg.h"

#include <QDebug>

namespace {

struct Relabel
{
    KwMenu::ActionId id;
    const char *whenSet;
    const char *whenClear;
};

// The entry each state stands behind and its texts while the state is set or clear.
bool relabelFor(KwMenu::ActionDataRole role, Relabel *out)
{
    switch (role) {
    case KwMenu::Role_Pin:
        *out = {KwMenu::Action_Pin, QT_TRANSLATE_NOOP("KwMenu", "置顶"), QT_TRANSLATE_NOOP("KwMenu", "取消置顶")};
        return true;
    case KwMenu::Role_Watchlist:
        *out = {KwMenu::Action_Watchlist, QT_TRANSLATE_NOOP("KwMenu", "删除自选"),
                QT_TRANSLATE_NOOP("KwMenu", "添加自选")};
        return true;
    case KwMenu::Role_Monitor:
        *out = {KwMenu::Action_Monitor, QT_TRANSLATE_NOOP("KwMenu", "删除盯盘"),
                QT_TRANSLATE_NOOP("KwMenu", "添加盯盘")};
        return true;
    }
    return false;
}

} // namespace

KwMenu::KwMenu(const QList<MenuItemInfo> &infos, bool addAll, QWidget *parent)
    : QMenu(parent)
    , m_infos(infos)
{
    if (addAll)
        addAllActions();
    connect(this, &QMenu::triggered, this, &KwMenu::slotActionTriggered);
}

KwMenu::KwMenu(const QString &key, bool addAll, QWidget *parent)
    : KwMenu(MenuConfig::menuItemInfo(key), addAll, parent)
{
}

void KwMenu::addAllActions()
{
    for (const MenuItemInfo &info : qAsConst(m_infos)) {
        QAction *action = addAction(Kwcfg::displayText(info.text));
        action->setEnabled(info.enabled);
        action->setCheckable(info.checkable);
        action->setData(QVariant(info.id));
        if (!info.icon.isEmpty())
            action->setIcon(QIcon(info.icon));
        m_actions[info.id] = action;
    }
}

QAction *KwMenu::quickAddAction(int id, const QObject *receiver, const char *member, const QKeySequence &shortcut)
{
    const MenuItemInfo info = getMenuItem(id);
    // What QMenu::addAction(text, receiver, member, shortcut) does, said the way both Qt 5 and
    // Qt 6 (which deprecates that overload) accept.
    QAction *action = addAction(Kwcfg::displayText(info.text));
    action->setShortcut(shortcut);
    connect(action, SIGNAL(triggered(bool)), receiver, member);
    action->setEnabled(info.enabled);
    action->setCheckable(info.checkable);
    action->setData(QVariant(info.id));
    m_actions[info.id] = action;
    return action;
}

QAction *KwMenu::actionById(ActionId id)
{
    return m_actions.value(id);
}

bool KwMenu::hasAction(int id)
{
    return !m_actions.value(id).isNull();
}

void KwMenu::setActionData(ActionDataRole role, const QVariant &value)
{
    m_data[role] = value;
    Relabel relabel;
    if (!relabelFor(role, &relabel))
        return;
    QAction *action = actionById(relabel.id);
    if (!action) {
        qCDebug(lcControls) << "KwMenu::setActionData: no action" << int(relabel.id) << "for role" << int(role);
        return;
    }
    action->setText(tr(value.toInt() != 0 ? relabel.whenSet : relabel.whenClear));
}

QVariant KwMenu::actionData(ActionDataRole role) const
{
    return m_data.value(role);
}

QList<MenuItemInfo> KwMenu::menuInfos() const
{
    return m_infos;
}

void KwMenu::slotActionTriggered(QAction *action)
{
    emit actionTriggered(action->data().toInt());
}

MenuItemInfo KwMenu::getMenuItem(int id)
{
    for (const MenuItemInfo &info : qAsConst(m_infos)) {
        if (info.id == id)
            return info;
    }
    MenuItemInfo missing;
    missing.id = id;
    return missing;
}
