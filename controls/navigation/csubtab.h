#pragma once

/// \file
/// CSubTab, a row of push buttons acting as tabs, its style variants and kwUncheckGroup().

#include "kwcontrols_export.h"
#include "window/basewidget.h"

#include <QList>
#include <QMap>
#include <QPointer>

class KwLine;
class QButtonGroup;
class QHBoxLayout;
class QPushButton;

/// Unchecks every button of `group`, leaving it with no checked button at all.
///
/// An exclusive group alone refuses to do that; its exclusivity is the same afterwards. A
/// group that is not exclusive loses all its checked buttons. No `clicked` signal is emitted.
/// \ingroup navigation
KWCONTROLS_EXPORT void kwUncheckGroup(QButtonGroup *group);

/// A row of checkable push buttons that act as tabs.
///
/// The buttons form one exclusive group and are addressed by integer id; separators may follow
/// them, and setStretchLastType() chooses what fills the space after the last button. Only a
/// user's click reports currentButtonChanged(); selecting from code (setCurrentButton()) stays
/// silent.
///
/// \code
/// auto *periods = new CSubTab(parent, "periods");
/// periods->setButtons({"Day", "Week", "Month"});    // ids 0, 1, 2
/// periods->setStretchLastType(CSubTab::Stretch_Space);
/// periods->setCurrentButton(0);
/// connect(periods, &CSubTab::currentButtonChanged, page, &Page::showPeriod);
/// \endcode
///
/// Ownership: the buttons, separators and the filler are children of the bar. getButton() and
/// getLine() hand them out; the client may delete one (a deleted button's id is free again).
///
/// GUI thread only.
/// \ingroup navigation
class KWCONTROLS_EXPORT CSubTab : public BaseWidget
{
    Q_OBJECT
    Q_PROPERTY(CSubTabType csubTabType READ csubTabType WRITE setCSubTabType NOTIFY csubTypeChanged
                       DESIGNABLE true SCRIPTABLE true STORED true)

public:
    /// The level of the bar, kept for the client (see NavigatorBar::addCSubTab()); the bar
    /// behaves the same either way.
    enum CSubTabType { Root_Tab = 0, Child_Tab = 1 };
    /// \var Root_Tab
    /// A bar of the first level (the default).
    /// \var Child_Tab
    /// A bar under another one.
    Q_ENUM(CSubTabType)

    /// What fills the space after the last button.
    enum StretchLastType { Stretch_None = 0, Stretch_Space = 1, Stretch_Button = 2 };
    /// \var Stretch_None
    /// Nothing: the buttons take their size hints (the default).
    /// \var Stretch_Space
    /// An empty stretch: the buttons keep to the left.
    /// \var Stretch_Button
    /// A disabled, expanding push button that fills the space.

    /// Makes an empty bar that joins the message bus under `name`.
    explicit CSubTab(QWidget *parent = nullptr, QString name = "");

    /// Appends a checkable button labelled (and object-named) `text`, followed by `line` when
    /// one is given.
    ///
    /// A negative id means "the next free id from the button count"; an id already in use is
    /// refused, since two buttons under one id could neither be told apart nor cleared. The bar
    /// takes `line` in every case: a refused call deletes it rather than leave it about.
    /// getLine() returns the line under the button's id.
    void addButton(const QString &text, const int &id = -1, KwLine *line = nullptr);
    /// Appends one button per text, each under the next free id.
    void addButtons(const QStringList &texts);
    /// Appends a vertical separator `width` pixels wide and, unless `height` is -1, that high.
    ///
    /// The separator has no id: getLine() does not find it, clear() deletes it.
    void addLine(int width = 1, int height = -1);
    /// Deletes every button and separator; the filler of setStretchLastType() stays.
    void clear();
    /// Replaces the buttons by one per text, with ids 0, 1, 2, ... in order.
    void setButtons(const QStringList &texts);

    /// The button under `id`, or null when there is none (or it was deleted).
    QPushButton *getButton(int id);
    /// The separator added with the button under `id` by addButton(), or null.
    QWidget *getLine(int id);

    /// The id of the button checked or clicked last, or -1 when none is (or after
    /// setAllUnCheck()).
    int currentButton() const;
    /// Checks the button under `id` without emitting currentButtonChanged(); an unknown id is
    /// ignored.
    void setCurrentButton(const int &id);
    /// Unchecks every button (see kwUncheckGroup()); currentButton() is -1 afterwards.
    void setAllUnCheck();
    /// Makes the buttons exclusive (the default) or lets several be checked at once.
    void setExclusiveEx(bool exclusive);

    /// Sets the spacing between the buttons (1 pixel by default).
    void setPacing(const int &spacing);
    /// Sets the margins of the button row, not of the bar itself (2, 0, 2, 0 by default).
    ///
    /// It hides QWidget::setContentsMargins(): a call through a QWidget pointer sets the bar's
    /// own margins instead.
    void setContentsMargins(int left, int top, int right, int bottom);
    /// Chooses what fills the space after the last button, replacing (and deleting) the filler
    /// set before.
    void setStretchLastType(StretchLastType type);

    /// The level of the bar (the `csubTabType` property), Root_Tab by default.
    CSubTabType csubTabType() const;
    /// Sets the level of the bar and emits csubTypeChanged(), even when it does not change.
    void setCSubTabType(CSubTabType type);

signals:
    /// Emitted by setCSubTabType() with the new `type`.
    void csubTypeChanged(CSubTabType type);
    /// Emitted when the user clicks a button, also one already checked, with its `id`; not when
    /// a button is checked from code.
    void currentButtonChanged(int id);

private slots:
    void buttonToggled(int id, bool checked);
    void slotsButtonClicked(int id);
    void switchBack();
    void switchForward();

private:
    void createWg();
    int nextFreeId() const;
    QPushButton *appendButton(const QString &text, int id, QWidget *parent);
    void removeTrailingItem();

    // Children of the bar, but handed out: the client may delete one.
    QList<QPointer<QWidget>> m_lines;
    QMap<int, QPointer<QWidget>> m_lineMap;
    QMap<int, QPointer<QPushButton>> m_buttons;
    QButtonGroup *m_group = nullptr;
    QHBoxLayout *m_outerLayout = nullptr;
    QHBoxLayout *m_innerLayout = nullptr;
    CSubTabType m_tabType = Root_Tab;
    int m_currentId = -1;
    StretchLastType m_stretchType = Stretch_None;
};

/// A CSubTab for chart periods.
///
/// The variants differ from CSubTab only in their class name, which style-sheet type selectors
/// match.
/// \ingroup navigation
class KWCONTROLS_EXPORT CSubTabPeriod : public CSubTab
{
    Q_OBJECT

public:
    /// Makes an empty bar that joins the message bus under `name`.
    explicit CSubTabPeriod(QWidget *parent = nullptr, QString name = "");
};

/// A CSubTab of the second level, styled as such by its class name.
/// \ingroup navigation
class KWCONTROLS_EXPORT CSubTabSecondBar : public CSubTab
{
    Q_OBJECT

public:
    /// Makes an empty bar that joins the message bus under `name`.
    explicit CSubTabSecondBar(QWidget *parent = nullptr, QString name = "");
};

/// A CSubTab of the third level, styled as such by its class name.
/// \ingroup navigation
class KWCONTROLS_EXPORT CSubTabThirdBar : public CSubTab
{
    Q_OBJECT

public:
    /// Makes an empty bar that joins the message bus under `name`.
    explicit CSubTabThirdBar(QWidget *parent = nullptr, QString name = "");
};
