#pragma once

#include "window/basedialog.h"
#include "window/popupwndwithtitlestyle.h"

// A frameless popup dialog: title bar, body and border, built by createWg().
class KWCONTROLS_EXPORT PopupDialog : public BaseDialog, public PopupWndWithTitleStyle
{
    Q_OBJECT
    Q_PROPERTY(QColor borderClr READ getBkClr WRITE setBkClr)

public:
    explicit PopupDialog(QWidget *parent = 0, QString name = "");
    ~PopupDialog() override;

    // Subclasses set their flags, call this, then fill getCentralWidget().
    virtual void createWg();

protected:
    void paintEvent(QPaintEvent *event) override;
};
