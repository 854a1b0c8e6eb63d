#pragma once

#include "window/basewidget.h"

class QLabel;
class QPushButton;

// The page shown instead of an empty result: a large icon button centred over a hint text.
// The button's picture comes from the style sheet (object name "pushbutton").
class KWCONTROLS_EXPORT KwResultHintPage : public BaseWidget
{
    Q_OBJECT

public:
    explicit KwResultHintPage(QWidget *parent = 0, QString name = "");

    void setButtonEnable(bool enable);
    void setHintString(const QString &text);
    void setIconSize(const QSize &size);

signals:
    void buttonClicked();

protected slots:
    void slotButtonClicked();

protected:
    // Runs after buttonClicked() has been emitted; pages override it to react themselves.
    virtual void clicked();

private:
    QPushButton *iconButton;
    QLabel *hintLabel;
};
