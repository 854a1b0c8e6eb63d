#pragma once

#include "kwcontrols_export.h"
#include "window/kwtwinkleframedialog.h"

#include <QColor>
#include <QString>

class QButtonGroup;

// The chart tools' colour picker: a grid of 40 fixed swatches with a confirm and a cancel
// button. The chosen colour leaves as its QColor::name() text.
class KWCONTROLS_EXPORT CustomColorDlg : public KwTwinkleFrameDialog
{
    Q_OBJECT

public:
    explicit CustomColorDlg(QWidget *parent = 0);

    // The last confirmed colour; invalid until the first confirmation.
    QColor color() const;

signals:
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
