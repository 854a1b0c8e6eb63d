#pragma once

/// \file
/// CustomColorDlg, the chart tools' palette of 40 fixed colours.

#include "kwcontrols_export.h"
#include "window/kwtwinkleframedialog.h"

#include <QColor>
#include <QString>

class QButtonGroup;

/// The chart tools' colour picker: a grid of 40 fixed swatches with a confirm and a cancel
/// button. The chosen colour leaves as its QColor::name() text.
///
/// The swatches sit in five rows of eight; checking one chooses nothing yet. Confirming (确定)
/// takes the checked swatch, reports it by colorName() and accepts the dialog; confirming
/// with no swatch checked only accepts. Cancelling (取消) or the title bar's close closes it
/// and reports nothing. The dialog is frameless, movable by its top 30 pixels and not
/// resizable.
///
/// \code
/// auto *palette = new CustomColorDlg(this);
/// connect(palette, &CustomColorDlg::colorName, this, &MyPage::setLineColor);
/// palette->exec();
/// \endcode
///
/// GUI thread only.
/// \ingroup charttools
class KWCONTROLS_EXPORT CustomColorDlg : public KwTwinkleFrameDialog
{
    Q_OBJECT

public:
    /// Makes the palette, with no swatch checked.
    explicit CustomColorDlg(QWidget *parent = 0);

    /// The last confirmed colour; invalid until the first confirmation.
    QColor color() const;

signals:
    /// Emitted when the user confirms a checked swatch, with its QColor::name() text
    /// (`#rrggbb`, lower case), just before the dialog is accepted.
    void colorName(const QString &strClr);

private slots:
    void onBtnClicked();
    void onSubmitBtnClicked();

private:
    void createWg();
    QWidget *createTitle();

    QString m_colorName;
    QButtonGroup *m_group;
    QColor m_color;
};
