#pragma once

/// \file
/// ViewTipsPanel, tips pages by type in a stack, and its page description TipsItem.

#include "window/basewidget.h"

#include <QMap>
#include <QPointer>
#include <QVector>

class QButtonGroup;
class QStackedWidget;

/// One tips page: its type, the object names of its icon button and text label (the style
/// sheet gives the button its picture) and the text shown.
/// \ingroup widgets
struct TipsItem
{
    /// The page's type: what ViewTipsPanel::switchType() and ViewTipsPanel::clickItem() name it by.
    int type = 0;
    /// The object name of the icon button, for the style sheet.
    QString buttonName;
    /// The object name of the text label, for the style sheet.
    QString labelName;
    /// The tip's text, also the button's accessible name.
    QString labelText;
};

/// Tips pages by type (icon button over a text) in a stack, optionally followed by the normal
/// window of the view. Clicking an icon reports the page's type; the owner decides whether to
/// switch pages.
///
/// Describe the pages with setTipItems() and setNormalWnd(), then build once with createWg();
/// the first tips page shows.
///
/// \code
/// auto *tips = new ViewTipsPanel(view, "tips");
/// tips->setTipItems({{1, "tipsLogin", "tipsText", tr("登录后查看自选股，点图标登录")}}, 56, 56);
/// tips->setNormalWnd(quoteList, 3);
/// tips->createWg();
/// connect(tips, &ViewTipsPanel::clickItem, view, &View::login);   // then tips->switchType(3)
/// \endcode
///
/// Ownership: the pages are the panel's. The normal window stays the client's until createWg()
/// puts it in the stack, which then owns it; the panel copes with its deletion either way.
/// GUI thread only.
/// \ingroup widgets
class KWCONTROLS_EXPORT ViewTipsPanel : public BaseWidget
{
    Q_OBJECT

public:
    /// Makes an empty panel that joins the message bus under `name`.
    explicit ViewTipsPanel(QWidget *parent = 0, QString name = "");

    /// Sets the tips pages to build, in order, with icon buttons of `buttonWidth` x
    /// `buttonHeight` pixels.
    ///
    /// Both take effect in createWg(), which builds the pages once.
    void setTipItems(const QVector<TipsItem> &items, int buttonWidth, int buttonHeight);
    /// Sets the view's normal window, to follow the tips pages in the stack under `type`.
    ///
    /// Takes effect in createWg(), like setTipItems().
    void setNormalWnd(QWidget *window, int type);
    /// Builds the stack of pages; call it once, after the two setters.
    void createWg();

    /// Shows the page of `type` when there is one in the stack; otherwise nothing.
    void switchType(int type);
    /// The type of the page shown: the first tips page's after createWg(), -1 before (or
    /// without tips pages) until switchType() shows one.
    int getCurrType();
    /// The stack of pages, or null before createWg(); the panel keeps it.
    QWidget *getStackWnd();

signals:
    /// Emitted when the user clicks a tips page's icon button, with the page's `type`; the
    /// panel does not switch pages by itself.
    void clickItem(int type);

public slots:
    /// Emits clickItem() with `type`; called for every click on an icon button.
    void slotsButtonClicked(int type);

private:
    QWidget *createTipsPage(const TipsItem &item);

    QButtonGroup *buttonGroup;
    QVector<TipsItem> tipItems;
    QMap<int, QPointer<QWidget>> pages; // the normal window is the client's, and may die first
    QStackedWidget *stack = nullptr;
    QPointer<QWidget> normalWnd;
    int buttonWidth = 0;
    int buttonHeight = 0;
    int currType = -1;
};
