#include "window/cbasemainwidget.h"

#include "windowtest.h"

#include <QScreen>

namespace {
const QRect start(100, 100, 300, 200);

QRect available()
{
    return QGuiApplication::primaryScreen()->availableGeometry();
}

void doubleClick(QWidget *w, const QPoint &global)
{
    sendMouse(w, QEvent::MouseButtonPress, global, Qt::LeftButton, Qt::LeftButton);
    sendMouse(w, QEvent::MouseButtonRelease, global, Qt::LeftButton, Qt::NoButton);
    sendMouse(w, QEvent::MouseButtonDblClick, global, Qt::LeftButton, Qt::LeftButton);
    sendMouse(w, QEvent::MouseButtonRelease, global, Qt::LeftButton, Qt::NoButton);
}
}

class TestCBaseMainWidget : public QObject
{
    Q_OBJECT

private slots:
    void zones_data();
    void zones();
    void clickableArea_data();
    void clickableArea();
    void maximizeAndRestore();
    void dragMaximized();
    void dragThreshold_data();
    void dragThreshold();
    void resize_data();
    void resize();
};

void TestCBaseMainWidget::zones_data()
{
    QTest::addColumn<QPoint>("pos");
    QTest::addColumn<int>("shape");
    QTest::newRow("left at border width") << QPoint(3, 100) << int(Qt::SizeHorCursor);
    QTest::newRow("inside next to left") << QPoint(4, 100) << int(Qt::ArrowCursor);
    QTest::newRow("right") << QPoint(297, 100) << int(Qt::SizeHorCursor);
    QTest::newRow("inside next to right") << QPoint(296, 100) << int(Qt::ArrowCursor);
    QTest::newRow("top") << QPoint(150, 0) << int(Qt::SizeVerCursor);
    QTest::newRow("bottom") << QPoint(150, 197) << int(Qt::SizeVerCursor);
    QTest::newRow("top-left wins over left") << QPoint(2, 3) << int(Qt::SizeFDiagCursor);
    QTest::newRow("top-right") << QPoint(299, 0) << int(Qt::SizeBDiagCursor);
    QTest::newRow("bottom-left") << QPoint(0, 199) << int(Qt::SizeBDiagCursor);
    QTest::newRow("bottom-right") << QPoint(299, 199) << int(Qt::SizeFDiagCursor);
}

void TestCBaseMainWidget::zones()
{
    QFETCH(QPoint, pos);
    QFETCH(int, shape);
    CBaseMainWidget w;
    showAt(&w, start);
    sendMouse(&w, QEvent::MouseMove, w.mapToGlobal(pos));
    QCOMPARE(cursorShape(&w), shape);
}

// Whether a double click at a point toggles maximisation tells whether it is in the clickable
// area; the area's extent is filled in at the first press.
void TestCBaseMainWidget::clickableArea_data()
{
    QTest::addColumn<QRect>("clickable");
    QTest::addColumn<QPoint>("pos");
    QTest::addColumn<bool>("inside");
    QTest::newRow("default, middle") << QRect() << QPoint(150, 100) << true;
    QTest::newRow("default, left column") << QRect() << QPoint(0, 100) << false;
    QTest::newRow("default, last column") << QRect() << QPoint(299, 100) << true;
    QTest::newRow("strip, inside") << QRect(0, 0, 0, 40) << QPoint(150, 20) << true;
    QTest::newRow("strip, below") << QRect(0, 0, 0, 40) << QPoint(150, 40) << false;
}

void TestCBaseMainWidget::clickableArea()
{
    QFETCH(QRect, clickable);
    QFETCH(QPoint, pos);
    QFETCH(bool, inside);
    CBaseMainWidget w(nullptr, "", clickable);
    showAt(&w, start);
    doubleClick(&w, w.mapToGlobal(pos));
    QCOMPARE(w.IsMaximized(), inside);
}

void TestCBaseMainWidget::maximizeAndRestore()
{
    CBaseMainWidget w(nullptr, "", QRect(0, 0, 0, 40));
    showAt(&w, start);
    doubleClick(&w, w.mapToGlobal(QPoint(150, 20)));
    QVERIFY(w.IsMaximized());
    QTRY_COMPARE(w.frameGeometry(), available());
    // The strip followed the width: its far end is clickable now.
    doubleClick(&w, w.mapToGlobal(QPoint(available().width() - 10, 20)));
    QVERIFY(!w.IsMaximized());
    QTRY_COMPARE(w.frameGeometry(), start);
}

void TestCBaseMainWidget::dragMaximized()
{
    CBaseMainWidget w(nullptr, "", QRect(0, 0, 0, 40));
    showAt(&w, start);
    w.OnShowMaximized();
    QTRY_COMPARE(w.frameGeometry(), available());
    const QPoint press = available().topLeft() + QPoint(200, 20);
    drag(&w, press, press + QPoint(60, 30));
    QVERIFY(!w.IsMaximized());
    QTRY_COMPARE(w.frameGeometry(), QRect(available().topLeft() + QPoint(60, 30), start.size()));
}

void TestCBaseMainWidget::dragThreshold_data()
{
    QTest::addColumn<QPoint>("origin");
    QTest::addColumn<QPoint>("travel");
    QTest::addColumn<QPoint>("expected");
    const int d = QApplication::startDragDistance();
    QTest::newRow("near the corner") << QPoint(5, 0) << QPoint(-5, d - 4) << QPoint(0, d - 4);
    QTest::newRow("a tremble") << QPoint(300, 300) << QPoint(1, 1) << QPoint(300, 300);
    QTest::newRow("a drag") << QPoint(300, 300) << QPoint(d + 10, 0) << QPoint(310 + d, 300);
}

void TestCBaseMainWidget::dragThreshold()
{
    QFETCH(QPoint, origin);
    QFETCH(QPoint, travel);
    QFETCH(QPoint, expected);
    CBaseMainWidget w(nullptr, "", QRect(0, 0, 0, 40));
    showAt(&w, QRect(origin, start.size()));
    const QPoint press = origin + QPoint(150, 20);
    drag(&w, press, press + travel);
    QTRY_COMPARE(w.frameGeometry().topLeft(), expected);
}

void TestCBaseMainWidget::resize_data()
{
    QTest::addColumn<QPoint>("press");
    QTest::addColumn<QPoint>("delta");
    QTest::addColumn<QRect>("expected");
    QTest::newRow("left grows") << QPoint(0, 100) << QPoint(-20, 0) << QRect(80, 100, 320, 200);
    QTest::newRow("left below minimum") << QPoint(0, 100) << QPoint(200, 0) << start;
    QTest::newRow("bottom-right") << QPoint(299, 199) << QPoint(10, 10) << QRect(100, 100, 310, 210);
    QTest::newRow("top-left") << QPoint(0, 0) << QPoint(-10, -10) << QRect(90, 90, 310, 210);
    QTest::newRow("right past left") << QPoint(299, 100) << QPoint(-320, 0) << start;
}

void TestCBaseMainWidget::resize()
{
    QFETCH(QPoint, press);
    QFETCH(QPoint, delta);
    QFETCH(QRect, expected);
    CBaseMainWidget w(nullptr, "", QRect(0, 0, 0, 40));
    w.setMinimumSize(150, 100);
    showAt(&w, start);
    const QPoint from = w.mapToGlobal(press);
    sendMouse(&w, QEvent::MouseMove, from);
    drag(&w, from, from + delta);
    QTRY_COMPARE(w.frameGeometry(), expected);
}

QTEST_MAIN(TestCBaseMainWidget)
#include "tst_cbasemainwidget.moc"
