#include "charttools/kwcolorcombobox.h"
#include "charttools/kwcolortoolbutton.h"
#include "charttools/kwpentoolbutton.h"
#include "charttools/linecontrol.h"

#include <QApplication>
#include <QtTest>

// The pickers' pictures on a screen scaled by two: each is drawn with twice the pixels, not
// drawn at the 1x size and blown up.
class TestHiDpiPictures : public QObject
{
    Q_OBJECT

private slots:
    void picturesHaveTheScreensPixels_data();
    void picturesHaveTheScreensPixels();
};

void TestHiDpiPictures::picturesHaveTheScreensPixels_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("colour button") << "color";
    QTest::newRow("colour combo box") << "combo";
    QTest::newRow("pen width button") << "width";
    QTest::newRow("line picker") << "line";
}

void TestHiDpiPictures::picturesHaveTheScreensPixels()
{
    QFETCH(QString, kind);
    QCOMPARE(qApp->devicePixelRatio(), 2.0);
    KwColorToolButton color;
    KwColorComboBox combo;
    combo.resize(120, 30);
    KwPenWidthButton width;
    width.setItems({1, 2});
    LineControl line;
    const QMap<QString, QToolButton *> faces{
        {"color", &color}, {"combo", combo.iconButton()}, {"width", &width}, {"line", &line}};
    QToolButton *face = faces.value(kind);
    QVERIFY(face->iconSize().isValid());
    const QPixmap picture = face->icon().pixmap(face->iconSize());
    QCOMPARE(picture.devicePixelRatio(), 2.0);
    QVERIFY2(face->icon().availableSizes().contains(face->iconSize() * 2),
             qPrintable(QString("%1x%2").arg(face->iconSize().width()).arg(face->iconSize().height())));
}

int main(int argc, char *argv[])
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    QApplication app(argc, argv);
    TestHiDpiPictures test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_hidpipictures.moc"
