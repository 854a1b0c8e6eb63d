#include "window/basedialog.h"

#include "window/basewidget.h"

BaseDialog::BaseDialog(QWidget *parent, QString name)
    : QDialog(parent)
    , KwObject(name)
{
}

BaseDialog::~BaseDialog() = default;

void BaseDialog::paintEvent(QPaintEvent *event)
{
    kwPaintStyleSheet(this);
    QWidget::paintEvent(event);
}
