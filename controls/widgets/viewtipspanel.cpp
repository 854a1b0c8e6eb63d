#include "widgets/viewtipspanel.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

ViewTipsPanel::ViewTipsPanel(QWidget *parent, QString name)
    : BaseWidget(parent, name)
    , buttonGroup(new QButtonGroup(this))
{
    connect(buttonGroup, &QButtonGroup::idClicked, this, &ViewTipsPanel::slotsButtonClicked);
}

void ViewTipsPanel::setTipItems(const QVector<TipsItem> &items, int width, int height)
{
    tipItems = items;
    buttonWidth = width;
    buttonHeight = height;
}

void ViewTipsPanel::setNormalWnd(QWidget *window, int type)
{
    normalWnd = window;
    pages.insert(type, window);
}

void ViewTipsPanel::createWg()
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    stack = new QStackedWidget;

    for (const TipsItem &item : qAsConst(tipItems)) {
        QWidget *page = createTipsPage(item);
        stack->addWidget(page);
        pages.insert(item.type, page);
    }
    if (!tipItems.isEmpty())
        currType = tipItems.first().type;
    if (normalWnd)
        stack->addWidget(normalWnd);

    layout->addWidget(stack);
}

QWidget *ViewTipsPanel::createTipsPage(const TipsItem &item)
{
    auto *button = new QPushButton;
    button->setFixedSize(buttonWidth, buttonHeight);
    button->setObjectName(item.buttonName);
    auto *label = new QLabel(item.labelText);
    label->setObjectName(item.labelName);
    // A picture whose meaning is the tip below it.
    button->setAccessibleName(item.labelText);
    buttonGroup->addButton(button, item.type);

    auto *column = new QVBoxLayout;
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addStretch(1);
    column->addWidget(button, 0, Qt::AlignCenter);
    column->addSpacing(16);
    column->addWidget(label, 0, Qt::AlignHCenter);
    column->addStretch(1);

    auto *page = new QWidget(this);
    page->setLayout(column);
    return page;
}

void ViewTipsPanel::switchType(int type)
{
    QWidget *page = pages.value(type);
    // A page that never reached the stack (no createWg yet, or a normal window set after it)
    // cannot be shown.
    if (!page || !stack || stack->indexOf(page) < 0)
        return;
    stack->setCurrentWidget(page);
    currType = type;
}

int ViewTipsPanel::getCurrType()
{
    return currType;
}

QWidget *ViewTipsPanel::getStackWnd()
{
    return stack;
}

void ViewTipsPanel::slotsButtonClicked(int type)
{
    emit clickItem(type);
}
