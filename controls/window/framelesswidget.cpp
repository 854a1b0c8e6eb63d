#include "window/framelesswidget.h"

#include "window/framelesshelper.h"

FrameLessWidget::FrameLessWidget(BaseWidget *parent, QString name)
    : BaseWidget(parent, name)
{
    framelessHelper = FramelessHelper::makeFrameless(this);
}

FrameLessWidget::~FrameLessWidget()
{
    framelessHelper->removeFrom(this);
}

void FrameLessWidget::createWg() { }
