#pragma once

/// \file
/// ColorControlWidget, the colour field of the settings dialogs.

#include "kwcontrols_export.h"
#include "window/basewidget.h"

#include <memory>

class CustomColorDlg;
class QLabel;

/// The colour field of the settings dialogs: a sample of the current colour and a button that
/// pops the palette up beside itself. Colours are QColor::name() texts.
///
/// The palette is a CustomColorDlg shown as a pop-up: it closes by itself when the user clicks
/// elsewhere, and is only hidden between uses, so the swatch checked last stays checked. A
/// colour confirmed there becomes the field's colour and is reported by colorName().
///
/// \code
/// auto *field = new ColorControlWidget(dialog);
/// field->setColor(setting.strColor);
/// connect(field, &ColorControlWidget::colorName, dialog, &MyDialog::onColorChanged);
/// \endcode
///
/// Ownership: the field owns its palette (a window of its own, without parent) and deletes it.
/// The field joins the message bus without a name.
///
/// GUI thread only.
/// \ingroup charttools
class KWCONTROLS_EXPORT ColorControlWidget : public BaseWidget
{
    Q_OBJECT

public:
    /// Makes a field showing white.
    explicit ColorControlWidget(QWidget *parent = 0);
    /// Deletes the palette.
    ~ColorControlWidget() override;

    /// Shows `name` (any text a style sheet takes as a colour) in the sample.
    ///
    /// Only repaints the sample: no signal, and the palette keeps its selection.
    void setColor(const QString &name);

signals:
    /// Emitted when the user confirms a colour in the palette, with its QColor::name() text
    /// (`#rrggbb`); not by setColor().
    void colorName(const QString &strClr);

private slots:
    void onMoreBtnClicked();

private:
    // Shows the palette beside `button`, at its right edge.
    void popUpBeside(QWidget *button);
    QLabel *m_sample;
    std::unique_ptr<CustomColorDlg> m_dialog;
};
