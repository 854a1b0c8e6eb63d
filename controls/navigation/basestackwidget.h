#pragma once

#include "kwcontrols_export.h"
#include "window/basewidget.h"

#include <QPointer>

#include <vector>

class QStackedWidget;

// A stack of pages shown one at a time. Each page comes with the bus object that stands for it;
// activation goes to the page shown only, a stock code set on the container goes to every page.
//
// Pages and their objects are not owned. A page deleted (or taken off the stack) takes its
// object out with it, so the others keep theirs; a page object that is a QObject (usually the
// page itself) is watched and never called once deleted. A page object that is not a QObject
// must outlive its page.
class KWCONTROLS_EXPORT BaseStackWidget : public BaseWidget
{
    Q_OBJECT

public:
    explicit BaseStackWidget(QWidget *parent = nullptr, QString name = "");
    ~BaseStackWidget() override;

    // A null page is refused; a null page object is allowed for a page that is not on the bus.
    void addWidget(QWidget *page, KwObject *pageObject);
    // Created without parent, so the owner may place it in a layout of its own.
    QWidget *getStackWnd();
    void layoutStackWnd();

    QWidget *Widget(int index);
    int count();
    QWidget *currWidget();
    int currWidgetIndex();
    KwObject *currKwObject();
    void setCurrWidget(int index, bool activate, QString stockCode);
    void clearCurrWidget();

    void afterActive() override;
    void afterDeactive() override;
    void OnStockCodeChange() override;

private:
    QStackedWidget *stack();
    KwObject *pageObject(int index) const;
    void onPageRemoved(int index);

    struct PageObject
    {
        KwObject *object = nullptr;
        QPointer<QObject> watch;    // the object's QObject side, when it has one
        bool watched = false;
        KwObject *get() const { return watched && !watch ? nullptr : object; }
    };
    QPointer<QStackedWidget> m_stack;
    std::vector<PageObject> m_pageObjects;
};
