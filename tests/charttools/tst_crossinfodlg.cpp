#include "charttools/crossinfodlg.h"

#include <QLabel>
#include <QtTest>

namespace {
// Reaches the protected placement the way a chart's own subclass would.
class PlacedInfoDlg : public CrossInfoDlg
{
public:
    using CrossInfoDlg::CrossInfoDlg;
    using CrossInfoDlg::adjustPosition;
};
}

class TestCrossInfoDlg : public QObject
{
    Q_OBJECT

private slots:
    void pages_data();
    void pages();
    void valueLabels();
    void placement();
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

QTEST_MAIN(TestCrossInfoDlg)
#include "tst_crossinfodlg.moc"
