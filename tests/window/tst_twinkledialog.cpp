#include "window/kwtwinkleframedialog.h"
#include "window/popuptwinkleframedialog.h"
#include "window/titlebar.h"

#include "windowtest.h"

namespace {
QColor pixel(QWidget *w, int x, int y)
{
    return QColor(w->grab().toImage().pixel(x, y));
}

const QColor inactive("#ffd74e");
const QColor active("#2f2f2f");
} // namespace

class TestTwinkleDialog : public QObject
{
    Q_OBJECT

private slots:
    void ringFollowsActivation();
    void borderWidthProperty();
    void popupRingCoversBorder();
};

void TestTwinkleDialog::ringFollowsActivation()
{
    KwTwinkleFrameDialog dialog;
    dialog.resize(300, 200);
    QCOMPARE(pixel(&dialog, 0, 100), inactive);

    showAt(&dialog, QRect(100, 100, 300, 200));
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QVERIFY(dialog.isActived());
    QCOMPARE(pixel(&dialog, 0, 100), active);
    QCOMPARE(pixel(&dialog, 299, 199), active);

    // Frameless too, so that a window manager's decoration does not move it off the asked place.
    QWidget other(nullptr, Qt::FramelessWindowHint);
    showAt(&other, QRect(600, 100, 100, 100));
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    QTRY_VERIFY(!dialog.isActived());
    QCOMPARE(pixel(&dialog, 0, 100), inactive);
}

void TestTwinkleDialog::borderWidthProperty()
{
    KwTwinkleFrameDialog dialog;
    dialog.resize(300, 200);
    QVERIFY(pixel(&dialog, 2, 100) != inactive);
    QVERIFY(dialog.setProperty("borderWidht", 3));
    QCOMPARE(dialog.getBorderWidth(), 3);
    QCOMPARE(pixel(&dialog, 2, 100), inactive);
    QVERIFY(pixel(&dialog, 3, 100) != inactive);
}

void TestTwinkleDialog::popupRingCoversBorder()
{
    PopupTwinkleFrameDialog dialog;
    dialog.setTitleFlags(WindowControlBox::ControlClose);
    dialog.createWg();
    QCOMPARE(dialog.getTilte()->height(), 30);
    dialog.resize(300, 200);
    QCOMPARE(pixel(&dialog, 0, 100), inactive);
    dialog.setBkClr(QColor("#00ff00"));
    dialog.setBorderWidth(0);
    QCOMPARE(pixel(&dialog, 0, 100), QColor("#00ff00"));
}

QTEST_MAIN(TestTwinkleDialog)
#include "tst_twinkledialog.moc"
