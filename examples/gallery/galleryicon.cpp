#include "galleryicon.h"

#include <QIconEngine>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {
// One candle in tile units (the tile is 1 × 1): centre, top and bottom of the wick and the body.
struct Candle
{
    qreal x, wickTop, bodyTop, bodyBottom, wickBottom;
};
const Candle candles[] = {
        {0.28, 0.50, 0.56, 0.74, 0.80},
        {0.50, 0.32, 0.40, 0.64, 0.72},
        {0.72, 0.18, 0.24, 0.50, 0.58},
};

void paintTile(QPainter *p, const QRectF &r, QIcon::Mode mode)
{
    p->save();
    p->setRenderHint(QPainter::Antialiasing);
    p->translate(r.topLeft());
    p->scale(r.width(), r.height());
    p->setPen(Qt::NoPen);

    QLinearGradient gold(0, 0, 1, 1);
    gold.setColorAt(0, mode == QIcon::Disabled ? QColor("#7d8b99") : QColor("#f6c453"));
    gold.setColorAt(1, mode == QIcon::Disabled ? QColor("#4a5663") : QColor("#e0782f"));
    QPainterPath tile;
    tile.addRoundedRect(QRectF(0.04, 0.04, 0.92, 0.92), 0.22, 0.22);
    p->fillPath(tile, gold);

    const QColor ink("#101820");
    for (const Candle &c : candles) {
        p->fillRect(QRectF(c.x - 0.025, c.wickTop, 0.05, c.wickBottom - c.wickTop), ink);
        p->fillRect(QRectF(c.x - 0.075, c.bodyTop, 0.15, c.bodyBottom - c.bodyTop), ink);
    }
    p->restore();
}

class GalleryIconEngine : public QIconEngine
{
public:
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State) override
    {
        // Square, centred in the rectangle it is given.
        const int side = qMin(rect.width(), rect.height());
        QRectF square(0, 0, side, side);
        square.moveCenter(QRectF(rect).center());
        paintTile(painter, square, mode);
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, pixmap.rect(), mode, state);
        return pixmap;
    }

    QIconEngine *clone() const override { return new GalleryIconEngine; }
};
} // namespace

QIcon galleryIcon()
{
    return QIcon(new GalleryIconEngine);
}
