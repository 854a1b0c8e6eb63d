#include "window/popupdialog.h"
#include "window/popupwindow.h"
#include "window/titlebar.h"

#include "window/popuptwinkleframedialog.h"
#include "windowtest.h"

#include <QPushButton>

namespace {
QColor pixel(QWidget *w, int x, int y)
{
    return QColor(w->grab().toImage().pixel(x, y));
}

bool buttonShown(PopupWndWithTitleStyle *popup, const char *name)
{
    return !popup->getTilte()->findChild<QPushButton *>(name)->isHidden();
}
} // namespace

class TestPopupWindow : public QObject
{
    Q_OBJECT

private slots:
    void defaultLook();
    void windowFlagsOnlyAtCreate_data();
    void windowFlagsOnlyAtCreate();
    void titleFlags();
    void interval();
    void dialogIsFrameless();
    void windowTitleFollowsTitleBar();
};

void TestPopupWindow::defaultLook()
{
    PopupWindow popup;
    popup.createWg();
    showAt(&popup, QRect(200, 200, 300, 200));
    for (const char *name : {"minBtn", "expandBtn", "closeBtn"})
        QVERIFY(buttonShown(&popup, name));

    const QColor frame("#0c1215");
    QCOMPARE(pixel(&popup, 0, 100), frame);
    QCOMPARE(pixel(&popup, 299, 100), frame);
    QCOMPARE(pixel(&popup, 150, 199), frame);
    QVERIFY(pixel(&popup, 1, 100) != frame);

    popup.setProperty("borderClr", QColor("#ff0000"));
    QCOMPARE(pixel(&popup, 0, 100), QColor("#ff0000"));

    // Movable by the title bar, but no resize cursors on the edges.
    sendMouse(&popup, QEvent::MouseMove, QPoint(200, 300));
    QCOMPARE(cursorShape(&popup), int(Qt::ArrowCursor));
    drag(&popup, QPoint(350, 205), QPoint(370, 215));
    QTRY_COMPARE(popup.frameGeometry(), QRect(220, 210, 300, 200));
}

void TestPopupWindow::windowFlagsOnlyAtCreate_data()
{
    QTest::addColumn<bool>("beforeCreate");
    QTest::newRow("before createWg") << true;
    QTest::newRow("after createWg") << false;
}

void TestPopupWindow::windowFlagsOnlyAtCreate()
{
    QFETCH(bool, beforeCreate);
    PopupWindow popup;
    const auto flags = PopupWndWithTitleStyle::PopMovable | PopupWndWithTitleStyle::PopResizable;
    if (beforeCreate)
        popup.setWindowsFlags(flags);
    popup.createWg();
    if (!beforeCreate)
        popup.setWindowsFlags(flags);
    showAt(&popup, QRect(200, 200, 300, 200));
    drag(&popup, QPoint(499, 300), QPoint(519, 300));
    QTRY_COMPARE(popup.frameGeometry().width(), beforeCreate ? 320 : 300);
}

void TestPopupWindow::titleFlags()
{
    PopupWindow before;
    before.setTitleFlags(WindowControlBox::ControlClose);
    before.createWg();
    QVERIFY(!buttonShown(&before, "minBtn"));
    QVERIFY(!buttonShown(&before, "expandBtn"));
    QVERIFY(buttonShown(&before, "closeBtn"));

    PopupWindow after;
    after.createWg();
    after.setTitleFlag(WindowControlBox::ControlMin, false);
    QVERIFY(!buttonShown(&after, "minBtn"));
    QVERIFY(buttonShown(&after, "expandBtn"));
}

void TestPopupWindow::interval()
{
    PopupWindow popup;
    popup.setTitleAndBodyInterval(1);
    popup.createWg();
    showAt(&popup, QRect(200, 200, 300, 200));
    const QRect title = popup.getTilte()->geometry();
    const QRect body = popup.getCentralWidget()->geometry();
    QCOMPARE(title.topLeft(), QPoint(1, 1));
    QCOMPARE(body.top() - title.bottom() - 1, 1);
    QCOMPARE(body.bottom(), 198);
}

void TestPopupWindow::dialogIsFrameless()
{
    PopupDialog dialog;
    QVERIFY(!(dialog.windowFlags() & Qt::FramelessWindowHint));
    dialog.createWg();
    QVERIFY(dialog.windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(dialog.windowFlags() & Qt::Dialog);
    showAt(&dialog, QRect(200, 200, 300, 200));
    QCOMPARE(pixel(&dialog, 0, 100), QColor("#0c1215"));
}

void TestPopupWindow::windowTitleFollowsTitleBar()
{
    // The task bar and window lists show the window title, not the drawn caption.
    PopupWindow window;
    PopupDialog dialog;
    PopupTwinkleFrameDialog twinkle;
    window.createWg();
    dialog.createWg();
    twinkle.createWg();
    const QList<QPair<QWidget *, TitleBar *>> popups{
            {&window, window.getTilte()}, {&dialog, dialog.getTilte()}, {&twinkle, twinkle.getTilte()}};
    for (const auto &popup : popups) {
        popup.second->setWinTitle("自选股", Qt::AlignLeft | Qt::AlignVCenter);
        QCOMPARE(popup.first->windowTitle(), QString("自选股"));
    }
}

QTEST_MAIN(TestPopupWindow)
#include "tst_popupwindow.moc"
