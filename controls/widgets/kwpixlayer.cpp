#include "widgets/kwpixlayer.h"
#include "ui_kwpixlayer.h"

#include <QPainter>

namespace {
// Along one axis: where the picture goes and how long it is drawn, from the label's and the
// picture's half lengths. A picture as long as the label fits.
std::pair<int, int> placeAlong(int labelHalf, int pictureHalf)
{
    if (labelHalf >= pictureHalf)
        return {labelHalf - pictureHalf, 2 * pictureHalf};
    return {0, 2 * labelHalf};
}
} // namespace

KwPixTopLayer::KwPixTopLayer(const QPixmap &pixmap, QWidget *parent)
    : QLabel(parent)
    , picture(pixmap)
{
}

QPixmap KwPixTopLayer::getPixmap() const
{
    return picture;
}

void KwPixTopLayer::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (picture.isNull())
        return;
    // A picture made for a high pixel ratio (read from "name@2x.png", say) takes the room of
    // its logical size, drawn with all its pixels.
    const QSize size = (QSizeF(picture.size()) / picture.devicePixelRatio()).toSize();
    const auto [left, width] = placeAlong(this->width() / 2, size.width() / 2);
    const auto [top, height] = placeAlong(this->height() / 2, size.height() / 2);
    QPainter painter(this);
    painter.drawPixmap(QRect(left, top, width, height), picture);
}

KwPixLayer::KwPixLayer(QWidget *parent)
    : KwPixLayer(QString(), QString(), parent)
{
}

KwPixLayer::KwPixLayer(const QString &backgroundPath, const QString &topPath, QWidget *parent)
    : BaseWidget(parent, "")
    , ui(std::make_unique<Ui::KwPixLayer>())
    , background(backgroundPath)
    , topLayer(new KwPixTopLayer(QPixmap(topPath), this))
{
    ui->setupUi(this);
    ui->horizontalLayout->addWidget(topLayer);
    ui->horizontalLayout->setContentsMargins(0, 0, 0, 0);
}

// Defined here, where the form is a complete type.
KwPixLayer::~KwPixLayer() = default;

KwPixTopLayer *KwPixLayer::getTopLayer() const
{
    return topLayer;
}

void KwPixLayer::afterActive()
{
    update();
}

void KwPixLayer::paintEvent(QPaintEvent *event)
{
    BaseWidget::paintEvent(event);
    if (background.isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(rect(), background);
}
