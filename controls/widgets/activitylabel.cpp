#include "widgets/activitylabel.h"

#include <QMouseEvent>

ActivityLabel::ActivityLabel(QWidget *parent)
    : ActivityLabel(QString(), parent)
{
}

ActivityLabel::ActivityLabel(QString text, QWidget *parent)
    : QLabel(text, parent)
{
}

void ActivityLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit clicked();
}
