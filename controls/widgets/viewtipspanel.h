#pragma once

#include "window/basewidget.h"

#include <QMap>
#include <QPointer>
#include <QVector>

class QButtonGroup;
class QStackedWidget;

// One tips page: its type, the object names of its icon button and text label (the style
// sheet gives the button its picture) and the text shown.
struct TipsItem
{
    int type = 0;
    QString buttonName;
    QString labelName;
    QString labelText;
};

// Tips pages by type (icon button over a text) in a stack, optionally followed by the normal
// window of the view. Clicking an icon reports the page's type; the owner decides whether to
// switch pages.
class KWCONTROLS_EXPORT ViewTipsPanel : public BaseWidget
{
    Q_OBJECT

public:
    explicit ViewTipsPanel(QWidget *parent = 0, QString name = "");

    // Both take effect in createWg(), which builds the pages once.
    void setTipItems(const QVector<TipsItem> &items, int buttonWidth, int buttonHeight);
    void setNormalWnd(QWidget *window, int type);
    void createWg();

    // Shows the page of `type` when there is one in the stack; otherwise nothing.
    void switchType(int type);
    int getCurrType();
    QWidget *getStackWnd();

signals:
    void clickItem(int type);

public slots:
    void slotsButtonClicked(int type);

private:
    QWidget *createTipsPage(const TipsItem &item);

    QButtonGroup *buttonGroup;
    QVector<TipsItem> tipItems;
    QMap<int, QPointer<QWidget>> pages;    // the normal window is the client's, and may die first
    QStackedWidget *stack = nullptr;
    QPointer<QWidget> normalWnd;
    int buttonWidth = 0;
    int buttonHeight = 0;
    int currType = -1;
};
