#include "window/framelesshelper.h"
#include "window/framelesswidget.h"

#include "windowtest.h"

#include <QScreen>

namespace {
class Window : public FrameLessWidget
{
public:
    FramelessHelper *helper() { return framelessHelper; }
};

const QRect start(100, 100, 300, 200);
} // namespace

class TestFramelessHelper : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void cursorPerZone_data();
    void cursorPerZone();
    void noCursorWhenMaximized();
    void titleStrip_data();
    void titleStrip();
    void resizeByEdges_data();
    void resizeByEdges();
    void reanchorMaximized_data();
    void reanchorMaximized();
    void rubberBands_data();
    void rubberBands();
    void settersIgnoreZero();
    void removedWidgetIsLeftAlone();
    void systemMoveResize_data();
    void systemMoveResize();

private:
    Window *w = nullptr;
};

void TestFramelessHelper::init()
{
    w = new Window;
    w->setMinimumSize(150, 100);
    showAt(w, start);
}

void TestFramelessHelper::cleanup()
{
    delete w;
    w = nullptr;
}

// Offsets from the frame's top-left; zones are 5 + 1 pixels wide and the right and bottom ones
// reach one pixel beyond the window.
void TestFramelessHelper::cursorPerZone_data()
{
    QTest::addColumn<QPoint>("offset");
    QTest::addColumn<int>("shape");
    QTest::newRow("left outer") << QPoint(0, 100) << int(Qt::SizeHorCursor);
    QTest::newRow("left inner") << QPoint(5, 100) << int(Qt::SizeHorCursor);
    QTest::newRow("past left zone") << QPoint(6, 100) << int(Qt::ArrowCursor);
    QTest::newRow("before right zone") << QPoint(294, 100) << int(Qt::ArrowCursor);
    QTest::newRow("right inner") << QPoint(295, 100) << int(Qt::SizeHorCursor);
    QTest::newRow("one beyond right") << QPoint(300, 100) << int(Qt::SizeHorCursor);
    QTest::newRow("two beyond right") << QPoint(301, 100) << int(Qt::ArrowCursor);
    QTest::newRow("top") << QPoint(150, 5) << int(Qt::SizeVerCursor);
    QTest::newRow("past top zone") << QPoint(150, 6) << int(Qt::ArrowCursor);
    QTest::newRow("one beyond bottom") << QPoint(150, 200) << int(Qt::SizeVerCursor);
    QTest::newRow("top-left") << QPoint(5, 5) << int(Qt::SizeFDiagCursor);
    QTest::newRow("bottom-right") << QPoint(300, 200) << int(Qt::SizeFDiagCursor);
    QTest::newRow("top-right") << QPoint(295, 0) << int(Qt::SizeBDiagCursor);
    QTest::newRow("bottom-left") << QPoint(0, 195) << int(Qt::SizeBDiagCursor);
    QTest::newRow("top only beside corner") << QPoint(6, 5) << int(Qt::SizeVerCursor);
}

void TestFramelessHelper::cursorPerZone()
{
    QFETCH(QPoint, offset);
    QFETCH(int, shape);
    const QPoint origin = w->frameGeometry().topLeft();
    sendMouse(w, QEvent::MouseMove, origin + QPoint(0, 100));
    sendMouse(w, QEvent::MouseMove, origin + offset);
    QCOMPARE(cursorShape(w), shape);
}

void TestFramelessHelper::noCursorWhenMaximized()
{
    const QPoint origin = w->frameGeometry().topLeft();
    sendMouse(w, QEvent::MouseMove, origin + QPoint(0, 100));
    QCOMPARE(cursorShape(w), int(Qt::SizeHorCursor));
    maximizeLikeWindowManager(w, QGuiApplication::primaryScreen()->availableGeometry());
    sendMouse(w, QEvent::MouseMove, w->frameGeometry().topLeft() + QPoint(1, 1));
    QCOMPARE(cursorShape(w), int(Qt::ArrowCursor));
}

void TestFramelessHelper::titleStrip_data()
{
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("moves");
    QTest::newRow("last title row") << 29 << int(Qt::LeftButton) << true;
    QTest::newRow("first row below") << 30 << int(Qt::LeftButton) << false;
    QTest::newRow("right button") << 15 << int(Qt::RightButton) << false;
}

void TestFramelessHelper::titleStrip()
{
    QFETCH(int, y);
    QFETCH(int, button);
    QFETCH(bool, moves);
    const auto b = Qt::MouseButton(button);
    const QPoint from = w->frameGeometry().topLeft() + QPoint(150, y);
    const QPoint to = from + QPoint(40, 30);
    sendMouse(w, QEvent::MouseButtonPress, from, b, b);
    sendMouse(w, QEvent::MouseMove, to, Qt::NoButton, b);
    sendMouse(w, QEvent::MouseButtonRelease, to, b, Qt::NoButton);
    QTRY_COMPARE(w->frameGeometry(), moves ? start.translated(40, 30) : start);
}

void TestFramelessHelper::resizeByEdges_data()
{
    QTest::addColumn<QPoint>("press");
    QTest::addColumn<QPoint>("delta");
    QTest::addColumn<QRect>("expected");
    // The pointer's pixel becomes the dragged side, so each press lies on the outermost pixel.
    QTest::newRow("left") << QPoint(0, 100) << QPoint(-20, 0) << QRect(80, 100, 320, 200);
    QTest::newRow("right") << QPoint(299, 100) << QPoint(20, 0) << QRect(100, 100, 320, 200);
    QTest::newRow("top inside title") << QPoint(150, 0) << QPoint(0, -20) << QRect(100, 80, 300, 220);
    QTest::newRow("bottom") << QPoint(150, 199) << QPoint(0, 20) << QRect(100, 100, 300, 220);
    QTest::newRow("top-left") << QPoint(0, 0) << QPoint(-10, -10) << QRect(90, 90, 310, 210);
    QTest::newRow("top-right") << QPoint(299, 0) << QPoint(10, -10) << QRect(100, 90, 310, 210);
    QTest::newRow("bottom-left") << QPoint(0, 199) << QPoint(-10, 10) << QRect(90, 100, 310, 210);
    QTest::newRow("bottom-right") << QPoint(299, 199) << QPoint(10, 10) << QRect(100, 100, 310, 210);
    QTest::newRow("left shrinks") << QPoint(0, 100) << QPoint(100, 0) << QRect(200, 100, 200, 200);
    QTest::newRow("left below minimum") << QPoint(0, 100) << QPoint(200, 0) << start;
    QTest::newRow("left beyond right") << QPoint(0, 100) << QPoint(350, 0) << start;
    QTest::newRow("right below minimum") << QPoint(299, 100) << QPoint(-200, 0) << start;
    QTest::newRow("corner, height below minimum") << QPoint(299, 199) << QPoint(10, -120) << QRect(100, 100, 310, 200);
}

void TestFramelessHelper::resizeByEdges()
{
    QFETCH(QPoint, press);
    QFETCH(QPoint, delta);
    QFETCH(QRect, expected);
    const QPoint from = w->frameGeometry().topLeft() + press;
    drag(w, from, from + delta);
    QTRY_COMPARE(w->frameGeometry(), expected);
}

void TestFramelessHelper::reanchorMaximized_data()
{
    QTest::addColumn<double>("ratio");
    QTest::newRow("20 %") << 0.2;
    QTest::newRow("50 %") << 0.5;
    QTest::newRow("80 %") << 0.8;
}

void TestFramelessHelper::reanchorMaximized()
{
    QFETCH(double, ratio);
    const QRect maxRect = QGuiApplication::primaryScreen()->availableGeometry();
    maximizeLikeWindowManager(w, maxRect);

    const int pressX = int(maxRect.width() * ratio);
    const QPoint from = maxRect.topLeft() + QPoint(pressX, 10);
    const QPoint to = from + QPoint(7, 40);
    int grip;
    if (ratio <= 0.3)
        grip = pressX;
    else if (ratio < 0.7)
        grip = int(start.width() * ratio);
    else
        grip = start.width() - (maxRect.width() - pressX);
    drag(w, from, to);
    QVERIFY(!w->isMaximized());
    QTRY_COMPARE(w->frameGeometry(), QRect(to.x() - grip, to.y() - 10, start.width(), start.height()));
}

void TestFramelessHelper::rubberBands_data()
{
    QTest::addColumn<bool>("onMove");
    QTest::addColumn<QPoint>("press");
    QTest::addColumn<QRect>("expected");
    QTest::newRow("move") << true << QPoint(150, 10) << start.translated(40, 30);
    QTest::newRow("resize") << false << QPoint(299, 199) << start.adjusted(0, 0, 40, 30);
}

void TestFramelessHelper::rubberBands()
{
    QFETCH(bool, onMove);
    QFETCH(QPoint, press);
    QFETCH(QRect, expected);
    if (onMove)
        w->helper()->setRubberBandOnMove(true);
    else
        w->helper()->setRubberBandOnResize(true);

    const QPoint from = w->frameGeometry().topLeft() + press;
    sendMouse(w, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    sendMouse(w, QEvent::MouseMove, from + QPoint(40, 30), Qt::NoButton, Qt::LeftButton);
    QRubberBand *band = visibleRubberBand();
    QVERIFY(band);
    QCOMPARE(band->geometry(), expected);
    QCOMPARE(w->frameGeometry(), start);
    sendMouse(w, QEvent::MouseButtonRelease, from + QPoint(40, 30), Qt::LeftButton, Qt::NoButton);
    QVERIFY(!visibleRubberBand());
    QTRY_COMPARE(w->frameGeometry(), expected);
}

void TestFramelessHelper::settersIgnoreZero()
{
    FramelessHelper *helper = w->helper();
    helper->setBorderWidth(10);
    helper->setBorderWidth(0);
    helper->setTitleHeight(0);
    QCOMPARE(helper->borderWidth(), 10u);
    const QPoint origin = w->frameGeometry().topLeft();
    sendMouse(w, QEvent::MouseMove, origin + QPoint(10, 100));
    QCOMPARE(cursorShape(w), int(Qt::SizeHorCursor));
    // The title strip is still 30 pixels high.
    drag(w, origin + QPoint(150, 29), origin + QPoint(160, 39));
    QTRY_COMPARE(w->frameGeometry(), start.translated(10, 10));
}

void TestFramelessHelper::removedWidgetIsLeftAlone()
{
    w->helper()->removeFrom(w);
    const QPoint origin = w->frameGeometry().topLeft();
    sendMouse(w, QEvent::MouseMove, origin + QPoint(0, 100));
    QCOMPARE(cursorShape(w), int(Qt::ArrowCursor));
    drag(w, origin + QPoint(150, 10), origin + QPoint(190, 40));
    QCOMPARE(w->frameGeometry(), start);
}

// Handed to the window system where it takes them (a window manager), done by the helper where
// not: the pointer ends on the same window either way.
void TestFramelessHelper::systemMoveResize_data()
{
    QTest::addColumn<QPoint>("press");
    QTest::addColumn<QPoint>("delta");
    QTest::addColumn<QRect>("expected");
    QTest::newRow("move") << QPoint(150, 10) << QPoint(40, 30) << start.translated(40, 30);
    QTest::newRow("right") << QPoint(299, 100) << QPoint(20, 0) << QRect(100, 100, 320, 200);
    QTest::newRow("bottom-right") << QPoint(299, 199) << QPoint(12, 16) << QRect(100, 100, 312, 216);
}

void TestFramelessHelper::systemMoveResize()
{
    QFETCH(QPoint, press);
    QFETCH(QPoint, delta);
    QFETCH(QRect, expected);
    QVERIFY(!w->helper()->systemMoveResize());
    w->helper()->setSystemMoveResize(true);
    const QPoint from = w->frameGeometry().topLeft() + press;
    RealPointer::dragFromTo(from, from + delta);
    QTRY_VERIFY(RealPointer::sameWithinStartDistance(w->frameGeometry(), expected));
    // The drag is over: the pointer moving on leaves the window where it is.
    const QRect settled = w->frameGeometry();
    RealPointer::moveTo(from + delta + QPoint(25, 25));
    QTest::qWait(100);
    QCOMPARE(w->frameGeometry(), settled);
}

QTEST_MAIN(TestFramelessHelper)
#include "tst_framelesshelper.moc"
