#pragma once

#include "kwcontrols_export.h"
#include "window/basewidget.h"

class CustomColorDlg;
class QLabel;

// The colour field of the settings dialogs: a sample of the current colour and a button that
// pops the palette up beside itself. Colours are QColor::name() texts.
class KWCONTROLS_EXPORT ColorControlWidget : public BaseWidget
{
    Q_OBJECT

public:
    explicit ColorControlWidget(QWidget *parent = 0);
    ~ColorControlWidget() override;

    // Only repaints the sample: no signal, and the palette keeps its selection.
    void setColor(const QString &name);

signals:
    void colorName(const QString &strClr);

private slots:
    void onMoreBtnClicked();

private:
    // Shows the palette beside `button`, at its right edge.
    void popUpBeside(QWidget *button);
    QLabel *m_sample;
    CustomColorDlg *m_dialog;
};
