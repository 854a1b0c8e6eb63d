#pragma once

/// \file
/// PopupWindow: a frameless popup widget with title bar and border.

#include "window/basewidget.h"
#include "window/popupwndwithtitlestyle.h"

/// A frameless popup widget: title bar, body and border, built by createWg().
///
/// The recipe is PopupWndWithTitleStyle's (see there for an example); the style sheet can set
/// the border colour through the property borderClr. PopWebView builds on it.
///
/// Ownership: as any QWidget; the parts createWg() makes are its children. Threading: GUI thread
/// only.
/// \ingroup window
class KWCONTROLS_EXPORT PopupWindow : public BaseWidget, public PopupWndWithTitleStyle
{
    Q_OBJECT
    Q_PROPERTY(QColor borderClr READ getBkClr WRITE setBkClr)

public:
    /// An empty widget under `parent` whose path on the bus is `name`; createWg() builds it.
    explicit PopupWindow(QWidget *parent = 0, QString name = "");
    /// Takes the frameless helper off the widget, then destroys the widget.
    ~PopupWindow() override;

    /// Builds the title bar, body, border and helper (PopupWndWithTitleStyle::createEx()).
    ///
    /// Subclasses set their flags, call this, then fill getCentralWidget().
    virtual void createWg();

protected:
    /// Paints the style sheet's background, then the border.
    void paintEvent(QPaintEvent *event) override;
};
