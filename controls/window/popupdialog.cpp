#include "window/popupdialog.h"

#include "window/framelesshelper.h"

PopupDialog::PopupDialog(QWidget *parent, QString name)
    : BaseDialog(parent, name)
{
}

PopupDialog::~PopupDialog()
{
    if (framelessHelper)
        framelessHelper->removeFrom(this);
}

void PopupDialog::createWg()
{
    createEx(this);
}

void PopupDialog::paintEvent(QPaintEvent *event)
{
    BaseDialog::paintEvent(event);
    drawBorder(this);
}
