#pragma once

/// \file
/// SideBar, a column of tool buttons with a logo, separators and one exclusive selection.

#include "kwcontrols_export.h"
#include "window/basewidget.h"

#include <QMap>
#include <QPointer>

class KwLine;
class QButtonGroup;
class QIcon;
class QPushButton;
class QToolButton;
class QVBoxLayout;

/// A column of tool buttons with an optional logo, separators and stretch.
///
/// Items are stacked from top to bottom in the order they are added. Grouped buttons form one
/// exclusive selection; every click on one is reported by id with signalClickButton(), also a
/// repeated one. Buttons added with `grouped` false are neither reported nor selected: connect
/// to their own signals.
///
/// \code
/// auto *side = new SideBar(parent, "side");
/// side->addToolButton(tr("News"), 0, true, Qt::ToolButtonTextOnly)->setCheckable(true);
/// side->addToolButton(tr("Reports"), 1, true, Qt::ToolButtonTextOnly)->setCheckable(true);
/// side->addStretch();
/// connect(side, &SideBar::signalClickButton, page, &Page::showSection);
/// side->setCheckId(0);
/// \endcode
///
/// Ownership: the logo, separators and buttons are children of the bar, handed out to the
/// client, who may delete a button it added.
///
/// GUI thread only.
/// \ingroup navigation
class KWCONTROLS_EXPORT SideBar : public BaseWidget
{
    Q_OBJECT

public:
    /// Makes an empty bar (9 pixels of top margin) that joins the message bus under `name`.
    explicit SideBar(QWidget *parent = nullptr, QString name = "");

    /// Appends an empty push button, centred, for the client to give a logo, followed by 11
    /// pixels of space.
    QPushButton *addLogo();
    /// Appends a horizontal KwLine.
    KwLine *addSeparator();
    /// Appends a stretch, which pushes the items added after it to the bottom.
    void addStretch();
    /// Appends a tool button with an icon, a text and a style, spanning the column, and
    /// returns it.
    ///
    /// When `grouped` is true the button joins the exclusive selection under `id`, and its
    /// clicks are reported by signalClickButton(); otherwise `id` is not used.
    ///
    /// None of the addToolButton() overloads makes the button checkable: a caller who wants a
    /// selection does.
    QToolButton *addToolButton(const QIcon &icon, int id, const QString &text, const bool &grouped,
                               Qt::ToolButtonStyle style);
    /// Appends a tool button with a text and a style, centred horizontally, and returns it;
    /// `id` and `grouped` as above.
    QToolButton *addToolButton(const QString &text, int id, const bool &grouped, Qt::ToolButtonStyle style);
    /// Appends the client's own `button`, spanning the column, makes the bar its parent and
    /// returns it; `id` and `grouped` as above. A null button is ignored (null is returned).
    QToolButton *addToolButton(QToolButton *button, int id, const bool &grouped);

    /// The id of the checked grouped button, or -1 when none is checked.
    int getCurrCheckId();
    /// Whether the grouped button under `id` is the checked one (true for -1 when none is).
    bool isCheck(int id);
    /// Unchecks every grouped button (see kwUncheckGroup()).
    void setAllUnCheck();
    /// Checks the grouped button under `id`, without emitting signalClickButton().
    ///
    /// Ignored for an unknown or deleted id, and for a button that is not checkable.
    void setCheckId(int id);

signals:
    /// Emitted when the user clicks a grouped button, with its `id`; also when it was checked
    /// already, and not when a button is checked from code.
    void signalClickButton(int id);

public slots:
    /// Called on every click on a grouped button, with its `id`; emits signalClickButton().
    ///
    /// A subclass may reimplement it to act on the click before (or instead of) reporting it.
    virtual void slotsButtonClick(int id);

private:
    void group(QToolButton *button, int id, bool grouped);

    QButtonGroup *m_group = nullptr;
    QMap<int, QPointer<QToolButton>> m_buttons; // the client may delete a button it added
    QVBoxLayout *m_layout = nullptr;
};
