#include "navigation/basestackwidget.h"

#include <QStackedWidget>
#include <QVBoxLayout>

BaseStackWidget::BaseStackWidget(QWidget *parent, QString name)
    : BaseWidget(parent, name)
{
}

BaseStackWidget::~BaseStackWidget()
{
    // A stack that nobody placed has no parent to free it, nor its pages.
    if (m_stack && !m_stack->parent())
        delete m_stack;
}

QStackedWidget *BaseStackWidget::stack()
{
    if (!m_stack)
        m_stack = new QStackedWidget;
    return m_stack;
}

KwObject *BaseStackWidget::pageObject(int index) const
{
    if (index < 0 || index >= int(m_pageObjects.size()))
        return nullptr;
    return m_pageObjects[std::size_t(index)];
}

void BaseStackWidget::addWidget(QWidget *page, KwObject *pageObject)
{
    // The stack would refuse a null page and the objects would no longer match its pages.
    if (!page)
        return;
    stack()->addWidget(page);
    m_pageObjects.push_back(pageObject);
}

QWidget *BaseStackWidget::getStackWnd()
{
    return stack();
}

void BaseStackWidget::layoutStackWnd()
{
    if (!m_stack)
        return;
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_stack);
}

QWidget *BaseStackWidget::Widget(int index)
{
    return m_stack ? m_stack->widget(index) : nullptr;
}

int BaseStackWidget::count()
{
    return int(m_pageObjects.size());
}

QWidget *BaseStackWidget::currWidget()
{
    return m_stack ? m_stack->currentWidget() : nullptr;
}

int BaseStackWidget::currWidgetIndex()
{
    return m_stack ? m_stack->currentIndex() : -1;
}

KwObject *BaseStackWidget::currKwObject()
{
    return pageObject(currWidgetIndex());
}

void BaseStackWidget::setCurrWidget(int index, bool activate, QString stockCode)
{
    if (!m_stack || index < 0 || index >= count())
        return;
    m_stack->setCurrentIndex(index);
    KwObject *page = pageObject(index);
    if (!page)
        return;
    if (!stockCode.isEmpty())
        page->setStockCode(stockCode);
    if (activate)
        page->afterActive();
}

void BaseStackWidget::clearCurrWidget()
{
    if (KwObject *page = currKwObject())
        page->afterDeactive();
}

void BaseStackWidget::afterActive()
{
    if (KwObject *page = currKwObject())
        page->afterActive();
}

void BaseStackWidget::afterDeactive()
{
    if (KwObject *page = currKwObject())
        page->afterDeactive();
}

void BaseStackWidget::OnStockCodeChange()
{
    for (KwObject *page : m_pageObjects) {
        if (page)
            page->setStockCode(m_stockCode);
    }
}
