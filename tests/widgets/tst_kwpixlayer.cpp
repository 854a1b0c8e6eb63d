#include "widgets/kwpixlayer.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {
QPixmap solid(const QSize &size, const QColor &color, qreal ratio = 1)
{
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(color);
    return pixmap;
}

QRect extentOf(const QImage &img, const QColor &color)
{
    QRect box;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (QColor(img.pixel(x, y)) == color)
                box |= QRect(x, y, 1, 1);
    return box;
}
} // namespace

class TestKwPixLayer : public QObject
{
    Q_OBJECT

private slots:
    void topPicturePlacement_data();
    void topPicturePlacement();
    void panelDrawsBothPictures();
};

void TestKwPixLayer::topPicturePlacement_data()
{
    QTest::addColumn<QSize>("label");
    QTest::addColumn<QSize>("picture"); // in logical pixels
    QTest::addColumn<qreal>("ratio"); // the picture's pixel ratio
    QTest::addColumn<QRect>("expected");

    const QSize picture(100, 60); // halves 50 x 30
    QTest::newRow("wider, too low") << QSize(200, 40) << picture << 1.0 << QRect(50, 0, 100, 40);
    QTest::newRow("too narrow, higher") << QSize(80, 100) << picture << 1.0 << QRect(0, 20, 80, 60);
    QTest::newRow("fits both ways: centred") << QSize(300, 200) << picture << 1.0 << QRect(100, 70, 100, 60);
    QTest::newRow("too small both ways") << QSize(40, 30) << picture << 1.0 << QRect(0, 0, 40, 30);
    QTest::newRow("exactly the picture") << QSize(100, 60) << picture << 1.0 << QRect(0, 0, 100, 60);
    QTest::newRow("equal width, higher") << QSize(100, 100) << picture << 1.0 << QRect(0, 20, 100, 60);
    QTest::newRow("odd picture in integer halves") << QSize(200, 200) << QSize(51, 21) << 1.0 << QRect(75, 90, 50, 20);
    // A sharp picture for a doubled screen is placed as the same picture at ratio 1.
    QTest::newRow("ratio 2: centred by its logical size")
            << QSize(300, 200) << picture << 2.0 << QRect(100, 70, 100, 60);
    QTest::newRow("ratio 2: too narrow") << QSize(80, 100) << picture << 2.0 << QRect(0, 20, 80, 60);
}

void TestKwPixLayer::topPicturePlacement()
{
    QFETCH(QSize, label);
    QFETCH(QSize, picture);
    QFETCH(qreal, ratio);
    QFETCH(QRect, expected);

    KwPixTopLayer layer(solid(picture, Qt::red, ratio));
    layer.resize(label);
    QCOMPARE(extentOf(layer.grab().toImage(), Qt::red), expected);
}

void TestKwPixLayer::panelDrawsBothPictures()
{
    QTemporaryDir dir;
    QVERIFY(solid(QSize(8, 8), Qt::blue).save(dir.filePath("background.png")));
    QVERIFY(solid(QSize(200, 100), Qt::red).save(dir.filePath("top.png")));

    KwPixLayer panel(dir.filePath("background.png"), dir.filePath("top.png"));
    QCOMPARE(panel.size(), QSize(737, 411));
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    // The top layer fills the panel inside the grid's 11-pixel margins.
    QCOMPARE(panel.getTopLayer()->geometry(), QRect(11, 11, 737 - 22, 411 - 22));

    const QImage img = panel.grab().toImage();
    QCOMPARE(QColor(img.pixel(0, 0)), QColor(Qt::blue));
    QCOMPARE(QColor(img.pixel(736, 410)), QColor(Qt::blue));
    QCOMPARE(extentOf(img, Qt::red), QRect(11 + 357 - 100, 11 + 194 - 50, 200, 100));
}

QTEST_MAIN(TestKwPixLayer)
#include "tst_kwpixlayer.moc"
