#include "charttools/crossinfodlg.h"

#include "charttest.h"

#include <QLabel>
#include <QtTest>

namespace {
// Reaches the protected placement the way a chart's own subclass would.
class PlacedInfoDlg : public CrossInfoDlg
{
public:
    using CrossInfoDlg::adjustPosition;
    using CrossInfoDlg::CrossInfoDlg;
};
} // namespace

class TestCrossInfoDlg : public QObject
{
    Q_OBJECT

private slots:
    void pages_data();
    void pages();
    void valueLabels();
    void placement();
    void framelessToolWindow();
    void valueColours_data();
    void valueColours();
};

void TestCrossInfoDlg::pages_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("exists");
    QTest::newRow("-1") << -1 << false;
    QTest::newRow("0") << 0 << true;
    QTest::newRow("1") << 1 << true;
    QTest::newRow("2") << 2 << false;
}

void TestCrossInfoDlg::pages()
{
    QFETCH(int, index);
    QFETCH(bool, exists);
    CrossInfoDlg dialog;
    VBoxWidget *page = dialog.widgetAt(index);
    QCOMPARE(page != nullptr, exists);
    if (page) {
        QVERIFY(!page->isWindow());
        dialog.setCurrentIndex(index);
        dialog.show();
        QVERIFY(page->isVisible());
    }
}

void TestCrossInfoDlg::valueLabels()
{
    CrossInfoDlg dialog;
    VBoxWidget *page = dialog.widgetAt(0);
    page->addLabel("时间");
    page->addValLabel();
    page->addLabel("价格");
    page->addValLabel("0.00");
    const QList<QLabel *> labels = page->findChildren<QLabel *>();
    QCOMPARE(labels.size(), 4);
    QCOMPARE(labels[0]->alignment(), Qt::AlignCenter);

    page->setValblText(0, "10:31");
    page->setValblText(1, "12.35");
    // Captions are not value labels: index 2 is past the end.
    page->setValblText(2, "lost");
    page->setValblText(-1, "lost");
    QCOMPARE(labels[0]->text(), QString("时间"));
    QCOMPARE(labels[1]->text(), QString("10:31"));
    QCOMPARE(labels[2]->text(), QString("价格"));
    QCOMPARE(labels[3]->text(), QString("12.35"));
}

void TestCrossInfoDlg::placement()
{
    QWidget chart;
    chart.setGeometry(300, 200, 400, 300);
    chart.show();
    QVERIFY(QTest::qWaitForWindowExposed(&chart));
    PlacedInfoDlg anchored(&chart);
    anchored.adjustPosition();
    QCOMPARE(anchored.pos(), chart.mapToGlobal(QPoint(0, 40)));

    PlacedInfoDlg loose;
    loose.move(50, 60);
    loose.adjustPosition();
    QCOMPARE(loose.pos(), QPoint(0, 0));
}

void TestCrossInfoDlg::framelessToolWindow()
{
    QWidget chart;
    chart.show();
    CrossInfoDlg dialog(&chart);
    dialog.widgetAt(0)->addLabel("收盘");
    QCOMPARE(dialog.windowType(), Qt::Tool);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    // No window manager's frame or title around it; it draws its own edge.
    QTRY_COMPARE(dialog.frameGeometry(), dialog.geometry());
    const QImage image = dialog.grab().toImage();
    QVERIFY(image.pixel(0, image.height() / 2) != image.pixel(image.width() / 2, 3));
}

void TestCrossInfoDlg::valueColours_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("withChange");
    QTest::addColumn<double>("change");
    QTest::addColumn<int>("trend"); // 1 rise, -1 fall, 0 flat
    QTest::newRow("signed rise") << "+3.21%" << false << 0.0 << 1;
    QTest::newRow("signed fall") << "-0.35" << false << 0.0 << -1;
    QTest::newRow("minus sign") << QString(QChar(0x2212)) + "1,200" << false << 0.0 << -1;
    QTest::newRow("signed zero") << "+0.00%" << false << 0.0 << 0;
    QTest::newRow("date") << "2024-06-18" << false << 0.0 << 0;
    QTest::newRow("price above close") << "1712.50" << true << 22.5 << 1;
    QTest::newRow("price below close") << "1680.20" << true << -9.8 << -1;
    QTest::newRow("price at close") << "1690.00" << true << 0.0 << 0;
}

void TestCrossInfoDlg::valueColours()
{
    QFETCH(QString, text);
    QFETCH(bool, withChange);
    QFETCH(double, change);
    QFETCH(int, trend);
    CrossInfoDlg dialog;
    VBoxWidget *page = dialog.widgetAt(0);
    QFont large = page->font();
    large.setPixelSize(24);
    page->setFont(large);
    page->addValLabel("+9.99"); // rising first: a flat value must take the colour away again
    if (withChange)
        page->setValblText(0, text, change);
    else
        page->setValblText(0, text);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QImage image = page->findChild<QLabel *>()->grab().toImage();
    const auto red = [](const QColor &c) { return c.red() > 170 && c.green() < 100 && c.blue() < 100; };
    const auto green = [](const QColor &c) { return c.green() > 120 && c.red() < 80; };
    QCOMPARE(countPixels(image, red, image.rect()) > 10, trend == 1);
    QCOMPARE(countPixels(image, green, image.rect()) > 10, trend == -1);
}

QTEST_MAIN(TestCrossInfoDlg)
#include "tst_crossinfodlg.moc"
