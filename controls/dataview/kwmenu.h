#pragma once

#include "kwcontrols_export.h"
#include "menuconfig.h"

#include <QMap>
#include <QMenu>
#include <QPointer>
#include <QVariant>

// A context menu built from configured records. Each action carries its record's id, and a
// triggered action is reported as that id, so pages dispatch on ids, not on action pointers.
class KWCONTROLS_EXPORT KwMenu : public QMenu
{
    Q_OBJECT
public:
    // Shared with the menu configuration: the values are fixed.
    enum ActionId {
        Action_Watchlist = 1,
        Action_Monitor = 2,
        Action_Pin = 20,
    };
    enum ActionDataRole {
        Role_Pin = 1,
        Role_Watchlist = 2,
        Role_Monitor = 3,
    };

    KwMenu(const QList<MenuItemInfo> &infos, bool addAll = true, QWidget *parent = nullptr);
    KwMenu(const QString &key, bool addAll = true, QWidget *parent = nullptr);

    void addAllActions();
    QAction *quickAddAction(int id, const QObject *receiver, const char *member,
                            const QKeySequence &shortcut = QKeySequence());
    QAction *actionById(ActionId id);
    bool hasAction(int id);
    // Stores the state behind an entry and relabels the entry to match it.
    void setActionData(ActionDataRole role, const QVariant &value);
    QVariant actionData(ActionDataRole role) const;
    QList<MenuItemInfo> menuInfos() const;

signals:
    void actionTriggered(int id);

protected slots:
    void slotActionTriggered(QAction *action);

private:
    MenuItemInfo getMenuItem(int id);

    // Guarded: a caller may clear() the menu or delete an action it was given.
    QMap<int, QPointer<QAction>> m_actions;
    QMap<ActionDataRole, QVariant> m_data;
    QList<MenuItemInfo> m_infos;
};
