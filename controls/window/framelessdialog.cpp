#include "window/framelessdialog.h"

#include "window/framelesshelper.h"

FrameLessDialog::FrameLessDialog(QWidget *parent, QString name)
    : BaseDialog(parent, name)
{
    framelessHelper = FramelessHelper::makeFrameless(this);
}

FrameLessDialog::~FrameLessDialog()
{
    framelessHelper->removeFrom(this);
}
