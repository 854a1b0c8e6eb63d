#include "widgets/kwresulthintpage.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

KwResultHintPage::KwResultHintPage(QWidget *parent, QString name)
    : BaseWidget(parent, name)
    , iconButton(new QPushButton(this))
    , hintLabel(new QLabel(tr("暂无股票 点击添加"), this))
{
    iconButton->setObjectName("pushbutton");
    iconButton->setFixedSize(84, 84);
    hintLabel->setObjectName("hintlabel");
    // The picture acts on what the hint says: a screen reader reads the hint for it.
    iconButton->setAccessibleName(hintLabel->text());

    auto *inner = new QVBoxLayout;
    inner->setContentsMargins(0, 0, 0, 0);
    inner->setSpacing(16);
    inner->addStretch(1);
    inner->addWidget(iconButton, 0, Qt::AlignCenter);
    inner->addWidget(hintLabel);
    inner->addStretch(1);

    auto *outer = new QHBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addStretch(1);
    outer->addLayout(inner);
    outer->addStretch(1);

    connect(iconButton, &QPushButton::clicked, this, &KwResultHintPage::slotButtonClicked);
}

void KwResultHintPage::setButtonEnable(bool enable)
{
    iconButton->setEnabled(enable);
}

void KwResultHintPage::setHintString(const QString &text)
{
    hintLabel->setText(text);
    iconButton->setAccessibleName(text);
}

void KwResultHintPage::setIconSize(const QSize &size)
{
    iconButton->setFixedSize(size);
    update();
}

void KwResultHintPage::slotButtonClicked()
{
    emit buttonClicked();
    clicked();
}

void KwResultHintPage::clicked() { }
