#include "charttools/dialogbuttons_p.h"

#include <QHBoxLayout>

DialogButtons kwAddDialogButtons(QBoxLayout *column)
{
    DialogButtons buttons;
    buttons.submit = new QPushButton(QStringLiteral("确定"));
    buttons.submit->setObjectName(QStringLiteral("submit"));
    buttons.cancel = new QPushButton(QStringLiteral("取消"));
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
