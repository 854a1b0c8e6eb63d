#include "widgets/kwpixlayer.h"

#include <QHBoxLayout>
#include <QTemporaryDir>
#include <QtTest>

namespace {
QPixmap solid(const QSize &size, const QColor &color)
{
    QPixmap pixmap(size);
    pixmap.fill(color);
    return pixmap;
}

// The bounding rectangle of the pixels of `color` in the image.
QRect extentOf(const QImage &img, const QColor &color)
{
    QRect box;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (QColor(img.pixel(x, y)) == color)
                box |= QRect(x, y, 1, 1);
    return box;
}
}

class TestKwPixLayer : public QObject
{
    Q_OBJECT

private slots:
    void topPicturePlacement_data();
    void topPicturePlacement();
    void panelDrawsBothPictures();
    void missingPicturesDrawNothing();
};

void TestKwPixLayer::topPicturePlacement_data()
{
    QTest::addColumn<QSize>("label");
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QRect>("expected");

    // Picture 100 x 60: half 50 x 30.
    const QSize picture(100, 60);
    QTest::newRow("wider, too low") << QSize(200, 40) << picture << QRect(50, 0, 100, 40);
    QTest::newRow("too narrow, higher") << QSize(80, 100) << picture << QRect(0, 20, 80, 60);
    QTest::newRow("fits both ways: centred") << QSize(300, 200) << picture << QRect(100, 70, 100, 60);
    QTest::newRow("too small both ways") << QSize(40, 30) << picture << QRect(0, 0, 40, 30);
    QTest::newRow("exactly the picture") << QSize(100, 60) << picture << QRect(0, 0, 100, 60);
    QTest::newRow("equal width, higher") << QSize(100, 100) << picture << QRect(0, 20, 100, 60);
    QTest::newRow("equal height, too narrow") << QSize(60, 60) << picture << QRect(0, 0, 60, 60);
    // Odd lengths work in integer halves: 2 x half is one pixel short.
    QTest::newRow("odd label") << QSize(41, 31) << picture << QRect(0, 0, 40, 30);
    QTest::newRow("odd picture") << QSize(200, 200) << QSize(51, 21) << QRect(75, 90, 50, 20);
}

void TestKwPixLayer::topPicturePlacement()
{
    QFETCH(QSize, label);
    QFETCH(QSize, picture);
    QFETCH(QRect, expected);

    KwPixTopLayer layer(solid(picture, Qt::red));
    layer.setStyleSheet("background: black");
    layer.resize(label);
    QCOMPARE(extentOf(layer.grab().toImage(), Qt::red), expected);
}

void TestKwPixLayer::panelDrawsBothPictures()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString background = dir.filePath("background.png");
    const QString top = dir.filePath("top.png");
    QVERIFY(solid(QSize(8, 8), Qt::blue).save(background));
    QVERIFY(solid(QSize(200, 100), Qt::red).save(top));

    KwPixLayer panel(background, top);
    QCOMPARE(panel.objectName(), QString("KwPixLayer"));
    QCOMPARE(panel.windowTitle(), QString("KwPixLayer"));
    QCOMPARE(panel.size(), QSize(737, 411));
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));

    // The top layer fills the panel inside the grid's 11-pixel margins.
    KwPixTopLayer *layer = panel.getTopLayer();
    QCOMPARE(layer->geometry(), QRect(11, 11, 737 - 22, 411 - 22));
    QCOMPARE(layer->parentWidget(), &panel);

    const QImage img = panel.grab().toImage();
    // The background is stretched over the whole panel, corners included.
    QCOMPARE(QColor(img.pixel(0, 0)), QColor(Qt::blue));
    QCOMPARE(QColor(img.pixel(736, 410)), QColor(Qt::blue));
    // The top picture keeps its size, centred in the layer.
    const QPoint centre = layer->geometry().topLeft() + QPoint(layer->width() / 2, layer->height() / 2);
    QCOMPARE(extentOf(img, Qt::red), QRect(centre - QPoint(100, 50), QSize(200, 100)));

    panel.resize(150, 80);
    const QImage small = panel.grab().toImage();
    QCOMPARE(extentOf(small, Qt::red), QRect(11, 11, 128, 58));
}

void TestKwPixLayer::missingPicturesDrawNothing()
{
    KwPixLayer panel("/no/such/background.png", "/no/such/top.png");
    panel.setStyleSheet("KwPixLayer { background: #00ff00 }");
    panel.resize(200, 100);
    const QImage img = panel.grab().toImage();
    QCOMPARE(extentOf(img, QColor("#00ff00")), QRect(0, 0, 200, 100));
    QVERIFY(panel.getTopLayer()->getPixmap().isNull());
}

QTEST_MAIN(TestKwPixLayer)
#include "tst_kwpixlayer.moc"
