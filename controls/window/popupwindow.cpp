#include "window/popupwindow.h"

#include "window/framelesshelper.h"

PopupWindow::PopupWindow(QWidget *parent, QString name)
    : BaseWidget(parent, name)
{
}

PopupWindow::~PopupWindow()
{
    if (framelessHelper)
        framelessHelper->removeFrom(this);
}

void PopupWindow::createWg()
{
    createEx(this);
}

void PopupWindow::paintEvent(QPaintEvent *event)
{
    BaseWidget::paintEvent(event);
    drawBorder(this);
}
