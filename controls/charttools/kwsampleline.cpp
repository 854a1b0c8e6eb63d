#include "charttools/kwsampleline.h"

#include <QPainter>

namespace {
QPixmap blankPixmap(const QSize &size, qreal dpr)
{
    QPixmap pixmap(size * dpr);
    pixmap.setDevicePixelRatio(dpr);
    pixmap.fill(Qt::transparent);
    return pixmap;
}
} // namespace

QColor kwContrastColor(const QColor &color)
{
    // Perceived lightness, weighted as the eye weighs the three primaries.
    const int lightness = (color.red() * 299 + color.green() * 587 + color.blue() * 114) / 1000;
    return lightness >= 128 ? QColor(Qt::black) : QColor(Qt::white);
}

QPixmap kwSampleLine(const QSize &size, const QPen &pen, const QLine &line, qreal dpr)
{
    if (size.isEmpty())
        return QPixmap();
    QPixmap pixmap = blankPixmap(size, dpr);
    QPainter painter(&pixmap);
    // The outline is one pixel wider on each side, so the line's own width still shows inside
    // it, and cut flat at the ends, so the line keeps its length and the picture stays empty
    // beyond it.
    QColor outline = kwContrastColor(pen.color());
    outline.setAlpha(90);
    QPen under(pen);
    under.setColor(outline);
    const int width = qMax(1, pen.width());
    under.setWidth(width + 2);
    under.setCapStyle(Qt::FlatCap);
    if (pen.style() != Qt::SolidLine && pen.style() != Qt::NoPen) {
        // Dashes are measured in pen widths: rescale them so the outline's dashes lie under
        // the line's.
        QVector<qreal> dashes = pen.dashPattern();
        for (qreal &dash : dashes)
            dash = dash * width / (width + 2);
        under.setDashPattern(dashes);
    }
    painter.setPen(under);
    painter.drawLine(line);
    painter.setPen(pen);
    painter.drawLine(line);
    return pixmap;
}

QPixmap kwSwatch(const QSize &size, const QColor &color, qreal dpr)
{
    if (size.isEmpty())
        return QPixmap();
    QPixmap pixmap = blankPixmap(size, dpr);
    QPainter painter(&pixmap);
    const QRect area(QPoint(0, 0), size);
    QColor edge = kwContrastColor(color);
    edge.setAlpha(120);
    painter.fillRect(area, edge);
    painter.fillRect(area.adjusted(1, 1, -1, -1), color);
    return pixmap;
}
