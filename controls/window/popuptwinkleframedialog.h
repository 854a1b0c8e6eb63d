#pragma once

#include "window/kwtwinklebasedialog.h"
#include "window/popupwndwithtitlestyle.h"

// A twinkle dialog laid out as a popup; call createWg() once before showing it.
class KWCONTROLS_EXPORT PopupTwinkleFrameDialog : public KwTwinkleBaseDialog, public PopupWndWithTitleStyle
{
    Q_OBJECT
    Q_PROPERTY(QColor borderClr READ getBkClr WRITE setBkClr)

public:
    explicit PopupTwinkleFrameDialog(QWidget *parent = 0, QString name = "");
    ~PopupTwinkleFrameDialog() override;

    // Subclasses set their flags, call this, then fill getCentralWidget().
    virtual void createWg();

protected:
    void paintEvent(QPaintEvent *event) override;
};
