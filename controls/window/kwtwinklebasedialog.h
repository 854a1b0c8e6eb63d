#pragma once

/// \file
/// KwTwinkleBaseDialog: a frameless dialog whose border shows whether it is active.

#include "window/basedialog.h"
#include "kwqtcompat.h"

#include <QColor>

/// A frameless dialog whose border ring shows whether it is the active window.
///
/// When the system flashes a window this dialog blocks, the alternating activation makes the
/// ring twinkle. The ring is drawn in activeColor() while the dialog is active and in
/// deActiveColor() otherwise; the style sheet can set both and the width through the properties
/// activeColor, deActiveColor and borderWidht. On Windows the activation comes from the
/// system's WM_NCACTIVATE message, which also reports every flash; elsewhere from Qt's
/// activation changes. A visible Qt::Popup counts as active, since it never gets the
/// activation.
///
/// The dialog is only made frameless: moving and resizing are left to subclasses
/// (KwTwinkleFrameDialog, PopupTwinkleFrameDialog).
///
/// Ownership: as any QDialog. Threading: GUI thread only.
/// \ingroup window
class KWCONTROLS_EXPORT KwTwinkleBaseDialog : public BaseDialog
{
    Q_OBJECT
    Q_PROPERTY(QColor deActiveColor READ deActiveColor WRITE setDeActiveColor)
    Q_PROPERTY(QColor activeColor READ activeColor WRITE setActiveColor)
    Q_PROPERTY(int borderWidht READ getBorderWidth WRITE setBorderWidth)

public:
    /// A frameless dialog under `parent` whose path on the bus is `name`.
    explicit KwTwinkleBaseDialog(QWidget *parent = 0, QString name = "");

    /// \name Ring colours and width
    /// The setters only store: the new look shows at the next repaint.
    ///@{

    /// The ring's colour while the dialog is active; dark grey (`#2f2f2f`) by default.
    QColor activeColor() const;
    /// Sets the ring's colour while the dialog is active.
    void setActiveColor(const QColor &color);
    /// The ring's colour while the dialog is not active; yellow (`#ffd74e`) by default.
    QColor deActiveColor() const;
    /// Sets the ring's colour while the dialog is not active.
    void setDeActiveColor(const QColor &color);
    /// The ring's width in pixels; 1 by default.
    int getBorderWidth() const;
    /// Sets the ring's width in pixels.
    void setBorderWidth(int width);
    ///@}

    /// Whether the ring shows the dialog as active: as last reported, or as a visible popup.
    bool isActived() const;

protected:
    /// On Windows, follows the activation and flashes the system reports with WM_NCACTIVATE;
    /// the message goes on to the system's own handling.
    bool nativeEvent(const QByteArray &eventType, void *message, KwQt::NativeEventResult *result) override;
    /// Outside Windows, follows Qt's activation changes; then handles the event as BaseDialog
    /// does.
    void changeEvent(QEvent *event) override;
    /// Draws the ring, then paints as QWidget does.
    void paintEvent(QPaintEvent *event) override;
    /// Fills the ring along the edges in the colour of the activation state; for the paintEvent()
    /// of subclasses.
    void drawTwinkleRing();

private:
    void setActived(bool actived);

    bool actived = false;
    QColor m_deActiveColor = QColor("#ffd74e");
    QColor m_activeColor = QColor("#2f2f2f");
    int borderWidth = 1;
};
