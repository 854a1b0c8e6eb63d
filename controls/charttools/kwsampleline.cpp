#include "charttools/kwsampleline.h"

#include <QPainter>

QPixmap kwSampleLine(const QSize &size, const QPen &pen, const QLine &line)
{
    if (size.isEmpty())
        return QPixmap();
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(pen);
    painter.drawLine(line);
    return pixmap;
}
