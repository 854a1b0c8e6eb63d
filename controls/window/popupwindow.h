#pragma once

#include "window/basewidget.h"
#include "window/popupwndwithtitlestyle.h"

// A frameless popup widget: title bar, body and border, built by createWg().
class KWCONTROLS_EXPORT PopupWindow : public BaseWidget, public PopupWndWithTitleStyle
{
    Q_OBJECT
    Q_PROPERTY(QColor borderClr READ getBkClr WRITE setBkClr)

public:
    explicit PopupWindow(QWidget *parent = 0, QString name = "");
    ~PopupWindow() override;

    // Subclasses set their flags, call this, then fill getCentralWidget().
    virtual void createWg();

protected:
    void paintEvent(QPaintEvent *event) override;
};
