#pragma once

/// \file
/// KwColorComboBox, a combo box whose face is a colour swatch.

#include "kwcontrols_export.h"

#include <QColor>
#include <QComboBox>

class QHBoxLayout;
class QLabel;
class QSpacerItem;
class QToolButton;

/// A combo box whose face is a colour swatch; opening it opens the colour dialog, never a list.
/// A strip at the right edge keeps the drop-down arrow visible.
///
/// The swatch is a tool button (iconButton()) filling the box but for the strip; a click on it
/// or anywhere on the box opens Qt's modal QColorDialog. A colour picked there that differs
/// from the current one becomes the box's colour and is reported by colorChanged().
///
/// \code
/// auto *box = new KwColorComboBox(dialog);
/// box->setColor(Qt::yellow);
/// connect(box, &KwColorComboBox::colorChanged, dialog, &MyDialog::setLineColor);
/// \endcode
///
/// GUI thread only.
/// \ingroup charttools
class KWCONTROLS_EXPORT KwColorComboBox : public QComboBox
{
    Q_OBJECT
    Q_PROPERTY(QColor color READ color WRITE setColor DESIGNABLE true SCRIPTABLE true STORED true)

public:
    /// Makes a box showing white.
    explicit KwColorComboBox(QWidget *parent = nullptr);

    /// The colour shown (the `color` property), white by default.
    QColor color() const;
    /// Shows `color` and emits colorChanged().
    ///
    /// Signals even when the colour does not change, so a caller can re-apply it.
    void setColor(const QColor &color);
    /// Sets the width of the strip beside the swatch, where the arrow is drawn (10 pixels by
    /// default; 0 leaves no arrow).
    void setRightSpacing(int width);
    /// Always null.
    ///
    /// No label is ever made; kept so callers written against it still compile.
    QLabel *iconLabel() const;
    /// The tool button that shows the swatch; the box keeps it.
    QToolButton *iconButton() const;

    /// Draws the swatch again, as large as the button's face, and describes it for
    /// accessibility; called on every change of colour or size.
    virtual void updateIcon();
    /// Opens the colour dialog instead of a list, and takes a new colour picked there.
    void showPopup() override;

signals:
    /// Emitted by setColor() with the new `color`, also when the user picks one in the dialog.
    void colorChanged(const QColor &color);

protected:
    /// Fits the swatch to the new size.
    void resizeEvent(QResizeEvent *event) override;
    /// Paints the box's frame without the style's arrow, and a whole arrow in the strip.
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_color = Qt::white;
    QLabel *m_iconLabel = nullptr;
    QToolButton *m_iconButton;
    QHBoxLayout *m_layout;
    QSpacerItem *m_rightSpacer;
};
