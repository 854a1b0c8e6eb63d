#include "window/framelesswidget.h"

#include "window/framelesshelper.h"

FrameLessWidget::FrameLessWidget(BaseWidget *parent, QString name)
    : BaseWidget(parent, name)
{
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_MouseTracking);
    framelessHelper = new FramelessHelper(this);
    framelessHelper->activateOn(this);
    framelessHelper->setWidgetMovable(true);
    framelessHelper->setWidgetResizable(true);
}

FrameLessWidget::~FrameLessWidget()
{
    framelessHelper->removeFrom(this);
}

void FrameLessWidget::createWg()
{
}
