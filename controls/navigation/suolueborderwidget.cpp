#include "navigation/suolueborderwidget.h"

SuoLueBorderWidget::SuoLueBorderWidget(QWidget *parent, const QString &name)
    : BaseWidget(parent, name)
{
}

SuolueWidget::SuolueWidget(QWidget *parent, const QString &name)
    : SuoLueBorderWidget(parent, name)
{
}
