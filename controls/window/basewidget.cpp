#include "window/basewidget.h"

#include <QPainter>
#include <QStyleOption>

void kwPaintStyleSheet(QWidget *widget)
{
    QStyleOption option;
    option.initFrom(widget);
    QPainter painter(widget);
    widget->style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, widget);
}

BaseWidget::BaseWidget(QWidget *parent, QString name)
    : QWidget(parent)
    , KwObject(name)
{
}

BaseWidget::~BaseWidget() = default;

void BaseWidget::paintEvent(QPaintEvent *event)
{
    kwPaintStyleSheet(this);
    QWidget::paintEvent(event);
}
