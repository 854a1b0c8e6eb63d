#include "navigation/basestackwidget.h"

#include <QStackedWidget>
#include <QVBoxLayout>

BaseStackWidget::BaseStackWidget(QWidget *parent, QString name)
    : BaseWidget(parent, name)
{
}

BaseStackWidget::~BaseStackWidget()
{
    if (!m_stack)
        return;
    // The stack may outlive this part of the object (it is our child, freed by QWidget's
    // destructor, or the owner's): it must not report to us any more.
    disconnect(m_stack, nullptr, this, nullptr);
    // A stack that nobody placed has no parent to free it, nor its pages.
    if (!m_stack->parent())
        delete m_stack;
}

QStackedWidget *BaseStackWidget::stack()
{
    if (!m_stack) {
        m_stack = new QStackedWidget;
        // The objects follow the pages: whatever takes a page off the stack (its deletion
        // included) takes its object too, so index i keeps meaning the same page.
        connect(m_stack, &QStackedWidget::widgetRemoved, this, &BaseStackWidget::onPageRemoved);
        connect(m_stack, &QObject::destroyed, this, [this] { m_pageObjects.clear(); });
    }
    return m_stack;
}

void BaseStackWidget::onPageRemoved(int index)
{
    if (index >= 0 && index < int(m_pageObjects.size()))
        m_pageObjects.erase(m_pageObjects.begin() + index);
}

KwObject *BaseStackWidget::pageObject(int index) const
{
    if (index < 0 || index >= int(m_pageObjects.size()))
        return nullptr;
    return m_pageObjects[std::size_t(index)].get();
}

void BaseStackWidget::addWidget(QWidget *page, KwObject *pageObject)
{
    // The stack would refuse a null page and the objects would no longer match its pages.
    if (!page)
        return;
    PageObject entry;
    entry.object = pageObject;
    if (auto *object = dynamic_cast<QObject *>(pageObject)) {
        entry.watch = object;
        entry.watched = true;
    }
    stack()->addWidget(page);
    m_pageObjects.push_back(entry);
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
    // A page may delete another page when told: walk a copy, and ask each entry afresh.
    const std::vector<PageObject> pages = m_pageObjects;
    for (const PageObject &page : pages) {
        if (KwObject *object = page.get())
            object->setStockCode(m_stockCode);
    }
}
