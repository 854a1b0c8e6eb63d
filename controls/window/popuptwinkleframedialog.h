#pragma once

/// \file
/// PopupTwinkleFrameDialog: a twinkle dialog laid out as a popup.

#include "window/kwtwinklebasedialog.h"
#include "window/popupwndwithtitlestyle.h"

/// A twinkle dialog laid out as a popup; call createWg() once before showing it.
///
/// The layout is PopupWndWithTitleStyle's, with a title bar 30 pixels high; the ring of
/// KwTwinkleBaseDialog is drawn over the popup border, which shows only where it is the wider of
/// the two. MesBox builds on it. The style sheet can set the border colour through the property
/// borderClr.
///
/// Ownership: as any QDialog; the parts createWg() makes are its children. Threading: GUI thread
/// only.
/// \ingroup window
class KWCONTROLS_EXPORT PopupTwinkleFrameDialog : public KwTwinkleBaseDialog, public PopupWndWithTitleStyle
{
    Q_OBJECT
    Q_PROPERTY(QColor borderClr READ getBkClr WRITE setBkClr)

public:
    /// An empty dialog under `parent` whose path on the bus is `name`; createWg() builds it.
    explicit PopupTwinkleFrameDialog(QWidget *parent = 0, QString name = "");
    /// Takes the frameless helper off the dialog, then destroys the dialog.
    ~PopupTwinkleFrameDialog() override;

    /// Builds the title bar, body, border and helper (PopupWndWithTitleStyle::createEx()) and
    /// fixes the title bar's height at 30 pixels.
    ///
    /// Subclasses set their flags, call this, then fill getCentralWidget().
    virtual void createWg();

protected:
    /// Paints the popup border, then the twinkle ring over it.
    void paintEvent(QPaintEvent *event) override;
};
