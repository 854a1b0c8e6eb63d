#pragma once

/// \file
/// BaseStackWidget, a stack of pages that passes activation and the stock code on to them.

#include "kwcontrols_export.h"
#include "window/basewidget.h"

#include <QPointer>

#include <vector>

class QStackedWidget;

/// A stack of pages shown one at a time, each with the bus object that stands for it.
///
/// Activation (afterActive(), afterDeactive()) goes to the page shown only; a stock code set on
/// the container (KwObject::setStockCode()) goes to every page. The stack itself is a
/// QStackedWidget made on the first addWidget() or getStackWnd(): either let the container lay
/// it out over its whole area with layoutStackWnd(), or place getStackWnd() in a layout of your
/// own.
///
/// \code
/// auto *stack = new BaseStackWidget(parent, "pages");
/// stack->addWidget(newsPage, newsPage);      // a page that is also a KwObject
/// stack->addWidget(helpPage, nullptr);       // a page that is not on the bus
/// stack->layoutStackWnd();
/// stack->setCurrWidget(0, true, QString());  // shows the news page and activates it
/// \endcode
///
/// Ownership: pages belong to the stack, which is their parent. The stack belongs to whoever
/// places it: the container after layoutStackWnd(), or the widget whose layout takes
/// getStackWnd(); a stack nobody placed is deleted with the container, pages included. Page
/// objects are not owned. A page deleted (or taken off the stack) takes its object out with
/// it, so the others keep theirs; a page object that is a QObject (usually the page itself) is
/// watched and never called once deleted. A page object that is not a QObject must outlive its
/// page.
///
/// GUI thread only.
/// \ingroup navigation
class KWCONTROLS_EXPORT BaseStackWidget : public BaseWidget
{
    Q_OBJECT

public:
    /// Makes an empty container that joins the message bus under `name`; the stack is made on
    /// first use.
    explicit BaseStackWidget(QWidget *parent = nullptr, QString name = "");
    /// Stops listening to the stack and deletes it (with its pages) when nobody placed it.
    ~BaseStackWidget() override;

    /// Appends `page` to the stack with `pageObject`, the bus object that stands for it.
    ///
    /// The stack becomes the page's parent. A null page is refused; a null page object is
    /// allowed for a page that is not on the bus (it then gets no activation nor stock code).
    void addWidget(QWidget *page, KwObject *pageObject);
    /// The stack, made here if there is none yet.
    ///
    /// It is created without parent, so the owner may place it in a layout of its own, which
    /// then owns it.
    QWidget *getStackWnd();
    /// Lays the stack out over the whole container, without margins.
    ///
    /// Call it once, after the first addWidget() or getStackWnd(); before them there is no
    /// stack and it does nothing.
    void layoutStackWnd();

    /// The page at `index`, or null when there is none (or no stack yet).
    QWidget *Widget(int index);
    /// The number of pages on the stack.
    int count();
    /// The page shown, or null when the stack is empty.
    QWidget *currWidget();
    /// The index of the page shown, or -1 when the stack is empty.
    int currWidgetIndex();
    /// The bus object of the page shown, or null when it has none (or it was deleted).
    KwObject *currKwObject();
    /// Shows the page at `index`; an index out of range is ignored.
    ///
    /// When the page has a bus object, a non-empty `stockCode` is set on it first
    /// (KwObject::setStockCode()) and then, when `activate` is true, it is told
    /// KwObject::afterActive(). The page shown before is not told anything: call
    /// clearCurrWidget() first for that.
    void setCurrWidget(int index, bool activate, QString stockCode);
    /// Tells the bus object of the page shown KwObject::afterDeactive(); the page stays shown.
    void clearCurrWidget();

    /// Passes the activation on to the bus object of the page shown.
    void afterActive() override;
    /// Passes the deactivation on to the bus object of the page shown.
    void afterDeactive() override;
    /// Sets the container's new stock code on the bus object of every page.
    void OnStockCodeChange() override;

private:
    QStackedWidget *stack();
    KwObject *pageObject(int index) const;
    void onPageRemoved(int index);

    struct PageObject
    {
        KwObject *object = nullptr;
        QPointer<QObject> watch; // the object's QObject side, when it has one
        bool watched = false;
        KwObject *get() const { return watched && !watch ? nullptr : object; }
    };
    QPointer<QStackedWidget> m_stack;
    std::vector<PageObject> m_pageObjects;
};
