#pragma once

/// \file
/// KwMenu, the context menu built from configured entries that reports actions by id.

#include "kwcontrols_export.h"
#include "menuconfig.h"

#include <QMap>
#include <QMenu>
#include <QPointer>
#include <QVariant>

/// A context menu built from configured records. Each action carries its record's id, and a
/// triggered action is reported as that id, so pages dispatch on ids, not on action pointers.
///
/// The records come from the configuration (MenuConfig::menuItemInfo(), the `menus` object of
/// the configuration file) or from the client. An action takes its record's text, enabled
/// state, checkability and icon; the record's `checked`, `shortcut` and `tip` are not applied.
///
/// \code
/// KwMenu menu(QStringLiteral("quoteList"));   // every configured entry, in order
/// menu.setActionData(KwMenu::Role_Watchlist, inWatchlist ? 1 : 0);
/// connect(&menu, &KwMenu::actionTriggered, page, &QuotePage::onMenuAction);
/// menu.exec(QCursor::pos());
/// \endcode
///
/// Ownership: the actions are children of the menu, as with QMenu. actionById() hands them out;
/// a caller may clear() the menu or delete an action, which the menu notices.
///
/// GUI thread only.
/// \ingroup dataview
class KWCONTROLS_EXPORT KwMenu : public QMenu
{
    Q_OBJECT
public:
    /// The ids of the entries whose text follows a state (see setActionData()).
    ///
    /// Shared with the menu configuration: the values are fixed.
    enum ActionId {
        Action_Watchlist = 1,
        Action_Monitor = 2,
        Action_Pin = 20,
    };
    /// \var Action_Watchlist
    /// Adds the stock to, or removes it from, the watch list.
    /// \var Action_Monitor
    /// Adds the stock to, or removes it from, the monitored stocks.
    /// \var Action_Pin
    /// Pins the stock at the top of the list, or unpins it.

    /// The states a page stores on the menu with setActionData().
    enum ActionDataRole {
        Role_Pin = 1,
        Role_Watchlist = 2,
        Role_Monitor = 3,
    };
    /// \var Role_Pin
    /// Relabels Action_Pin: 置顶 while the value is non-zero, 取消置顶 while it is zero.
    /// \var Role_Watchlist
    /// Relabels Action_Watchlist: 删除自选 while the value is non-zero (the stock is in the
    /// watch list), 添加自选 while it is zero.
    /// \var Role_Monitor
    /// Relabels Action_Monitor: 删除盯盘 while the value is non-zero (the stock is monitored),
    /// 添加盯盘 while it is zero.

    /// Makes a menu of the records `infos`, with one action per record when `addAll` is true.
    KwMenu(const QList<MenuItemInfo> &infos, bool addAll = true, QWidget *parent = nullptr);
    /// Makes a menu of the records configured under `key` (none for a key nobody configured),
    /// with one action per record when `addAll` is true.
    KwMenu(const QString &key, bool addAll = true, QWidget *parent = nullptr);

    /// Appends one action per record, in order; the constructors call it unless told not to.
    ///
    /// Calling it again appends a second set, and actionById() then finds the new ones.
    void addAllActions();
    /// Appends the action of the record `id` and connects its `triggered(bool)` signal to
    /// `member` of `receiver` (a `SLOT()` text, as for QObject::connect()).
    ///
    /// The action takes the record's text, enabled state and checkability (not its icon) and
    /// the given `shortcut`. An id with no record gives an action without text. The action is
    /// also reported by actionTriggered() like every other.
    QAction *quickAddAction(int id, const QObject *receiver, const char *member,
                            const QKeySequence &shortcut = QKeySequence());
    /// The action added last for `id`, or null when there is none (or it was deleted).
    QAction *actionById(ActionId id);
    /// Whether an action for `id` is in the menu (added and not deleted).
    bool hasAction(int id);
    /// Stores the state behind an entry and relabels the entry to match it (see ActionDataRole).
    ///
    /// The state is stored also when the entry is not in the menu; only the relabelling is
    /// then skipped.
    void setActionData(ActionDataRole role, const QVariant &value);
    /// The state stored under `role`, or an invalid QVariant when none was.
    QVariant actionData(ActionDataRole role) const;
    /// The records the menu was made from.
    QList<MenuItemInfo> menuInfos() const;

signals:
    /// Emitted when an action of the menu is triggered, by the user or from code, with its
    /// record's id (0 for an action the client added itself without an id as its data).
    void actionTriggered(int id);

protected slots:
    /// Reports a triggered `action` as actionTriggered() with the id in its data.
    void slotActionTriggered(QAction *action);

private:
    MenuItemInfo getMenuItem(int id);

    // Guarded: a caller may clear() the menu or delete an action it was given.
    QMap<int, QPointer<QAction>> m_actions;
    QMap<ActionDataRole, QVariant> m_data;
    QList<MenuItemInfo> m_infos;
};
