#include "widgets/introductionbutton.h"

#include <QHBoxLayout>
#include <QLabel>

IntroductionButton::IntroductionButton(QWidget *parent)
    : IntroductionButton(QString(), parent)
{
}

IntroductionButton::IntroductionButton(const QString &hintText, QWidget *parent)
    : BaseWidget(parent, "introductionbutton")
    , hint(hintText)
    , hintLabel(new QLabel(hintText, this))
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(14, 7, 0, 7);
    layout->setSpacing(6);
    layout->addWidget(hintLabel);
    layout->addStretch();
}

void IntroductionButton::setHintString(const QString &text)
{
    hint = text;
    hintLabel->setText(hint);
}
