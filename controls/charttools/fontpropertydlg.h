#pragma once

/// \file
/// FontPropertyDlg, the dialog that edits a drawn text and its font, and its record FontStyle.

#include "charttools/typepanel.h"
#include "kwcontrols_export.h"
#include "window/popuptwinkleframedialog.h"

#include <QMetaType>
#include <QString>

class ColorControlWidget;
class QComboBox;
class QTextEdit;
class QVBoxLayout;

/// The look and content of a drawn text.
/// \ingroup charttools
struct KWCONTROLS_EXPORT FontStyle
{
    /// Whether the text is bold.
    bool isBold = false;
    /// Whether the text is italic.
    bool istilt = false;
    /// Whether the text is underlined.
    bool isUnderLine = false;
    /// The font size in points.
    int pointSize = 11;
    /// The font family.
    QString strFamily = "宋体";
    /// The text itself, plain, possibly of several lines.
    QString strText;
    /// The colour of the text, a QColor::name() text; empty for none chosen.
    QString strColor;
};

Q_DECLARE_METATYPE(FontStyle)

/// Edits a drawn text and its font; publishes the record on confirmation only.
///
/// The dialog (titled 参数设置, with a close button) holds a text field, the font family (every
/// family installed), the size (the standard sizes), a ColorControlWidget and a TypePanel for
/// bold, italic and underline. Every edit goes into the record at once; confirming (确定)
/// accepts the dialog and emits styleChanged() with it, cancelling (取消) rejects it and emits
/// nothing.
///
/// \code
/// FontPropertyDlg dialog(chart);
/// dialog.init(label.style);
/// connect(&dialog, &FontPropertyDlg::styleChanged, chart, &Chart::applyTextStyle);
/// dialog.exec();
/// \endcode
///
/// GUI thread only.
/// \ingroup charttools
class KWCONTROLS_EXPORT FontPropertyDlg : public PopupTwinkleFrameDialog
{
    Q_OBJECT

public:
    /// Makes and builds the dialog (createWg()), showing a default FontStyle; registers
    /// FontStyle with the meta-type system.
    explicit FontPropertyDlg(QWidget *parent = 0);

    /// Takes `style` as the record and shows it in the controls; signals nothing.
    ///
    /// A family or size the boxes do not offer leaves the box as it was, while the record
    /// keeps the given value.
    void init(const FontStyle &style);
    /// The record as edited so far, confirmed or not.
    FontStyle fontStyle() const;
    /// Builds the dialog's content; the constructor calls it, so a client does not.
    void createWg() override;

signals:
    /// Emitted when the user confirms, after the dialog is accepted, with the edited record.
    void styleChanged(const FontStyle &fontStyle);

private slots:
    void onSubmitClicked();
    void onColorChanged(const QString &strClr);

private:
    // Fills the settings body between its heading and its buttons.
    void createRows(QVBoxLayout *column);
    void initCombox();
    void connectEdits();

    QTextEdit *m_textEdit = nullptr;
    QComboBox *m_fontBox = nullptr;
    QComboBox *m_sizeBox = nullptr;
    TypePanel *m_typePanel = nullptr;
    ColorControlWidget *m_colorControl = nullptr;
    FontStyle m_fontStyle;
};
