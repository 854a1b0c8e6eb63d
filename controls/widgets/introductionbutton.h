#pragma once

#include "window/basewidget.h"

class QLabel;

// A one-line hint strip. showIntroduction() is for the owner to emit, for instance from a
// link it places beside the hint.
class KWCONTROLS_EXPORT IntroductionButton : public BaseWidget
{
    Q_OBJECT

public:
    // With an empty hint, as a Designer form makes it; setHintString() fills it in.
    explicit IntroductionButton(QWidget *parent = nullptr);
    explicit IntroductionButton(const QString &hint, QWidget *parent = 0);

    void setHintString(const QString &text);

signals:
    void showIntroduction();

private:
    QString hint;
    QLabel *hintLabel;
};
