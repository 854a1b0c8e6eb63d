#include "window/framelessdialog.h"

#include "window/framelesshelper.h"

FrameLessDialog::FrameLessDialog(QWidget *parent, QString name)
    : BaseDialog(parent, name)
{
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_MouseTracking);
    framelessHelper = new FramelessHelper(this);
    framelessHelper->activateOn(this);
    framelessHelper->setWidgetMovable(true);
    framelessHelper->setWidgetResizable(true);
}

FrameLessDialog::~FrameLessDialog()
{
    framelessHelper->removeFrom(this);
}
