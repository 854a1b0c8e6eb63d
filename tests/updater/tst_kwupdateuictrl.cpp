// The update window's pages are made when first needed: each must come out named and styled
// as if it had been there from the start, and what the run reported before it existed must
// show on it. Its texts come out in the weight and face the style sheet means.
#include "kwupdateuictrl.h"
#include "updatefonts.h"
#include "updatestages.h"

#include <QFont>
#include <QFontInfo>
#include <QGlyphRun>
#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QSet>
#include <QStackedWidget>
#include <QTextLayout>
#include <QtTest>

class TestKwUpdateUiCtrl : public QObject
{
    Q_OBJECT

private slots:
    void pageIsStyledWhenMade_data();
    void pageIsStyledWhenMade();
    void progressReportedBeforeThePageShowsOnIt();
    void oneFaceDrawsTheWindowsFaceText();
};

void TestKwUpdateUiCtrl::pageIsStyledWhenMade_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("frameName");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("boldTexts");
    QTest::newRow("start") << int(UpdatePage::Start) << "UpdateStartFrame"
                           << "btn_start_right" << QStringList{"lab_start_version"};
    QTest::newRow("progress") << int(UpdatePage::Progress) << "UpdateMidFrame"
                              << "btn_mid_cancle" << QStringList{};
    QTest::newRow("end") << int(UpdatePage::End) << "UpdateEndFrame"
                         << "btn_end_over" << QStringList{};
    QTest::newRow("failure") << int(UpdatePage::Failure) << "UpdateFailFrame"
                             << "btn_fail_close" << QStringList{"lab_fail_title", "btn_fail_close"};
}

void TestKwUpdateUiCtrl::pageIsStyledWhenMade()
{
    QFETCH(int, page);
    QFETCH(QString, frameName);
    QFETCH(QString, button);
    QFETCH(QStringList, boldTexts);

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

    // The style sheet's heavy texts come out bold, not in the hairline face a bare number
    // below 100 would ask for.
    for (const QString &name : boldTexts) {
        auto *text = ctrl.findChild<QWidget *>(name);
        QVERIFY2(text, qPrintable(name));
        QVERIFY2(text->font().weight() >= QFont::Bold,
                 qPrintable(name + ": " + QString::number(text->font().weight())));
    }

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

void TestKwUpdateUiCtrl::oneFaceDrawsTheWindowsFaceText()
{
    // The Chinese face the scripts install on every machine the tests run on.
    const QString installed = QStringLiteral("WenQuanYi Micro Hei");
    if (QFontInfo(QFont(installed)).family().compare(installed, Qt::CaseInsensitive) != 0)
        QSKIP("WenQuanYi Micro Hei is not installed");
    installUpdaterFontSubstitutes();
    QFont font(QStringLiteral("微软雅黑"));
    font.setPixelSize(16);

    // Latin letters and Chinese ones come from the same face: one run of glyphs.
    QTextLayout layout(QStringLiteral("KWFN 更新失败"), font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    QCOMPARE(layout.glyphRuns().size(), 1);
}

QTEST_MAIN(TestKwUpdateUiCtrl)
#include "tst_kwupdateuictrl.moc"
