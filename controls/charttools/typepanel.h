#pragma once

#include "kwcontrols_export.h"
#include "window/basewidget.h"

class QPushButton;

// Bold, italic and underline toggles (object names "bold", "tilt", "underline"). Each shows
// its letter in its own face, "B", "I" or "U", and marks its checked state itself, so the
// panel reads without a style sheet; a style sheet may still give them another look.
class KWCONTROLS_EXPORT TypePanel : public BaseWidget
{
    Q_OBJECT

public:
    explicit TypePanel(QWidget *parent = 0);

    void setBoldChecked(bool checked);
    void setTiltChecked(bool checked);
    void setUnderlineChecked(bool checked);

signals:
    void boldBtnClicked();
    void tiltBtnClicked();
    void underlineBtnClicked();

private:
    QPushButton *m_bold;
    QPushButton *m_tilt;
    QPushButton *m_underline;
};
