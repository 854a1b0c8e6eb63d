#pragma once

/// \file
/// KwColorToolButton, a tool button showing a colour swatch that opens the colour dialog.

#include "kwcontrols_export.h"

#include <QColor>
#include <QToolButton>

/// A tool button showing a colour swatch; a click opens the colour dialog.
///
/// The dialog is Qt's modal QColorDialog (getColor(), which a subclass may replace). A colour
/// picked there that differs from the current one becomes the button's and is reported by
/// colorChanged(); setting the colour from code stays silent.
///
/// \code
/// auto *button = new KwColorToolButton(toolbar);
/// button->setColor(Qt::red);
/// connect(button, &KwColorToolButton::colorChanged, chart, &Chart::setPenColor);
/// \endcode
///
/// GUI thread only.
/// \ingroup charttools
class KWCONTROLS_EXPORT KwColorToolButton : public QToolButton
{
    Q_OBJECT
    Q_PROPERTY(QColor color READ color WRITE setColor DESIGNABLE true SCRIPTABLE true STORED true)

public:
    /// Makes a button showing white.
    explicit KwColorToolButton(QWidget *parent = nullptr);

    /// The colour shown (the `color` property), white by default.
    QColor color() const;
    /// Shows `color`.
    ///
    /// Only a pick by the user signals; setting it from code does not.
    void setColor(const QColor &color);

    /// Draws the swatch again at the button's icon size and describes it for accessibility.
    virtual void updateIcon();
    /// Asks the user for a colour, starting from `initial`: Qt's modal colour dialog here.
    ///
    /// An invalid colour means the user cancelled.
    virtual QColor getColor(const QColor &initial);

signals:
    /// Emitted when the user picks a colour other than the current one, with that `color`.
    void colorChanged(const QColor &color);

protected slots:
    /// Opens the colour dialog; connected to the button's `clicked`.
    void colorClicked(bool checked);

protected:
    /// Opens the colour dialog, as a click does.
    ///
    /// It hides QToolButton::showMenu(), which is not virtual: Qt's own calls, such as the one
    /// for a press on the drop-down arrow, do not reach it.
    void showMenu();

private:
    void pickColor();

    QColor m_color = Qt::white;
};
