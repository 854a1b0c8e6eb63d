#include "window/popuptwinkleframedialog.h"

#include "window/framelesshelper.h"
#include "window/titlebar.h"

PopupTwinkleFrameDialog::PopupTwinkleFrameDialog(QWidget *parent, QString name)
    : KwTwinkleBaseDialog(parent, name)
{
}

PopupTwinkleFrameDialog::~PopupTwinkleFrameDialog()
{
    if (framelessHelper)
        framelessHelper->removeFrom(this);
}

void PopupTwinkleFrameDialog::createWg()
{
    createEx(this);
    title->setFixedHeight(30);
}

void PopupTwinkleFrameDialog::paintEvent(QPaintEvent *event)
{
    // The ring goes over the popup border, which shows only where it is the wider of the two.
    drawBorder(this);
    drawTwinkleRing();
    QWidget::paintEvent(event);
}
