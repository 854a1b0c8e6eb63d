#include "charttools/dialogbuttons_p.h"

#include "window/popuptwinkleframedialog.h"
#include "window/titlebar.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

DialogButtons kwAddDialogButtons(QBoxLayout *column)
{
    DialogButtons buttons;
    buttons.submit = new QPushButton(QCoreApplication::translate("DialogButtons", "确定"));
    buttons.submit->setObjectName(QStringLiteral("submit"));
    buttons.cancel = new QPushButton(QCoreApplication::translate("DialogButtons", "取消"));
    buttons.cancel->setObjectName(QStringLiteral("cancel"));
    auto *row = new QHBoxLayout;
    row->setSpacing(8);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(buttons.submit);
    row->addWidget(buttons.cancel);
    column->addLayout(row);
    column->addStretch();
    return buttons;
}

QVBoxLayout *kwBeginSettingsBody(PopupTwinkleFrameDialog *dialog, const QString &title, const QString &heading)
{
    dialog->setTitleFlags(WindowControlBox::ControlClose);
    dialog->PopupTwinkleFrameDialog::createWg();
    dialog->getTilte()->setWinTitle(title, Qt::AlignLeft | Qt::AlignVCenter);

    QWidget *central = dialog->getCentralWidget();
    auto *outer = new QVBoxLayout(central);
    outer->setSpacing(0);
    outer->setContentsMargins(0, 0, 0, 0);
    auto *body = new QWidget(central);
    body->setObjectName(QStringLiteral("body"));
    outer->addWidget(body);

    auto *column = new QVBoxLayout(body);
    column->setSpacing(0);
    column->setContentsMargins(18, 18, 18, 0);
    column->addWidget(new QLabel(heading));
    column->addSpacing(10);
    return column;
}

QPushButton *kwFinishSettingsBody(QDialog *dialog, QVBoxLayout *column)
{
    const DialogButtons buttons = kwAddDialogButtons(column);
    QObject::connect(buttons.cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    return buttons.submit;
}
