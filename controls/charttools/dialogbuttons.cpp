#include "charttools/dialogbuttons_p.h"

#include <QCoreApplication>
#include <QHBoxLayout>

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
