// The update window's pages are made when first needed: each must come out named and styled
// as if it had been there from the start, and what the run reported before it existed must
// show on it.
#include "kwupdateuictrl.h"
#include "updatestages.h"

#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QSet>
#include <QStackedWidget>
#include <QtTest>

class TestKwUpdateUiCtrl : public QObject
{
    Q_OBJECT

private slots:
    void pageIsStyledWhenMade_data();
    void pageIsStyledWhenMade();
    void progressReportedBeforeThePageShowsOnIt();
};

void TestKwUpdateUiCtrl::pageIsStyledWhenMade_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("frameName");
    QTest::addColumn<QString>("button");
    QTest::newRow("start") << int(UpdatePage::Start) << "UpdateStartFrame"
                           << "btn_start_right";
    QTest::newRow("progress") << int(UpdatePage::Progress) << "UpdateMidFrame"
                              << "btn_mid_cancle";
    QTest::newRow("end") << int(UpdatePage::End) << "UpdateEndFrame"
                         << "btn_end_over";
    QTest::newRow("failure") << int(UpdatePage::Failure) << "UpdateFailFrame"
                             << "btn_fail_close";
}

void TestKwUpdateUiCtrl::pageIsStyledWhenMade()
{
    QFETCH(int, page);
    QFETCH(QString, frameName);
    QFETCH(QString, button);

    KwUpdateUiCtrl ctrl;
    ctrl.show();
    QVERIFY(QTest::qWaitForWindowExposed(&ctrl));
    ctrl.slotUpdatePage(page);
    auto *stack = ctrl.findChild<QStackedWidget *>("UpdateStackWidget");
    QVERIFY(stack);
    QCOMPARE(stack->count(), 4);
    QCOMPARE(stack->currentIndex(), page);
    QCOMPARE(stack->currentWidget()->objectName(), frameName);
    QVERIFY(ctrl.findChild<QWidget *>(button));

    // The background picture the style sheet gives the frame is painted, not a flat colour.
    const QImage image = stack->currentWidget()->grab().toImage();
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 7)
        for (int x = 0; x < image.width(); x += 7)
            colours.insert(image.pixel(x, y));
    QVERIFY2(colours.size() > 20, qPrintable(QString::number(colours.size())));

    // Going there again makes nothing twice.
    ctrl.slotUpdatePage(page);
    QCOMPARE(ctrl.findChildren<QFrame *>(frameName).size(), 1);
}

void TestKwUpdateUiCtrl::progressReportedBeforeThePageShowsOnIt()
{
    KwUpdateUiCtrl ctrl;
    ctrl.slotUpdatePage(UpdatePage::Failure);
    ctrl.setProgress(-1, QStringLiteral("更新失败，已保留原有程序"));
    ctrl.setProgress(42, QString());
    QVERIFY(!ctrl.findChild<QProgressBar *>("pg_mid_progress"));

    ctrl.slotUpdatePage(UpdatePage::Progress);
    QCOMPARE(ctrl.findChild<QProgressBar *>("pg_mid_progress")->value(), 42);
    QCOMPARE(ctrl.findChild<QLabel *>("lab_mid_update_tips")->text(), QStringLiteral("更新失败，已保留原有程序"));
    ctrl.setProgress(50, QStringLiteral("下载中"));
    QCOMPARE(ctrl.findChild<QProgressBar *>("pg_mid_progress")->value(), 50);
}

QTEST_MAIN(TestKwUpdateUiCtrl)
#include "tst_kwupdateuictrl.moc"
