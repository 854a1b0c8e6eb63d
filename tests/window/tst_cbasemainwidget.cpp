#include "window/cbasemainwidget.h"
#include "window/titlebar.h"

#include "windowtest.h"

#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {
const QRect start(100, 100, 300, 200);

QRect available()
{
    return QGuiApplication::primaryScreen()->availableGeometry();
}

// Laid out like an application's main window: a title bar with its control box on top and a
// body that takes presses, both reaching within a pixel of the window's edges.
class MainWindow : public CBaseMainWidget
{
public:
    MainWindow()
        : CBaseMainWidget(nullptr, "", QRect(0, 0, 0, 36))
    {
        title = new TitleBar(this, "");
        title->createTitleBar();
        title->setFixedHeight(36);
        body = new QPushButton("body", this);
        body->setObjectName("body");
        body->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        auto *layout = new QVBoxLayout(this);
        layout->setContentsMargins(1, 1, 1, 1);
        layout->setSpacing(0);
        layout->addWidget(title);
        layout->addWidget(body, 1);
        setMinimumSize(300, 150);
    }

    TitleBar *title;
    QPushButton *body;
};

const QRect mainStart(100, 100, 480, 320);
const QPoint titlePoint(150, 18);

QPoint centreOf(QWidget *w)
{
    return w->mapToGlobal(w->rect().center());
}

void doubleClick(QWidget *w, const QPoint &global)
{
    sendMouse(w, QEvent::MouseButtonPress, global, Qt::LeftButton, Qt::LeftButton);
    sendMouse(w, QEvent::MouseButtonRelease, global, Qt::LeftButton, Qt::NoButton);
    sendMouse(w, QEvent::MouseButtonDblClick, global, Qt::LeftButton, Qt::LeftButton);
    sendMouse(w, QEvent::MouseButtonRelease, global, Qt::LeftButton, Qt::NoButton);
}
} // namespace

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
    void cursorUnderRealPointer_data();
    void cursorUnderRealPointer();
    void dragAfterResize_data();
    void dragAfterResize();
    void maximizeInEveryOrder_data();
    void maximizeInEveryOrder();
    void systemMoveResize_data();
    void systemMoveResize();
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

// Points are window-local; a named child's centre replaces the point. The pointer visits the
// path first, as it would on its way there.
void TestCBaseMainWidget::cursorUnderRealPointer_data()
{
    QTest::addColumn<QVector<QPoint>>("path");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QString>("child");
    QTest::addColumn<int>("shape");
    const QVector<QPoint> none;
    QTest::newRow("left edge") << none << QPoint(0, 150) << QString() << int(Qt::SizeHorCursor);
    QTest::newRow("left edge over the body") << none << QPoint(2, 150) << QString() << int(Qt::SizeHorCursor);
    QTest::newRow("right edge over the body") << none << QPoint(477, 150) << QString() << int(Qt::SizeHorCursor);
    QTest::newRow("top edge over the title") << none << QPoint(240, 2) << QString() << int(Qt::SizeVerCursor);
    QTest::newRow("bottom edge over the body") << none << QPoint(240, 318) << QString() << int(Qt::SizeVerCursor);
    QTest::newRow("top-left") << none << QPoint(1, 1) << QString() << int(Qt::SizeFDiagCursor);
    QTest::newRow("bottom-right") << none << QPoint(478, 318) << QString() << int(Qt::SizeFDiagCursor);
    QTest::newRow("top-right over the title") << none << QPoint(478, 1) << QString() << int(Qt::SizeBDiagCursor);
    QTest::newRow("bottom-left") << none << QPoint(1, 318) << QString() << int(Qt::SizeBDiagCursor);
    QTest::newRow("title after the left edge")
            << QVector<QPoint>{{0, 150}} << titlePoint << QString() << int(Qt::ArrowCursor);
    QTest::newRow("body after the bottom edge")
            << QVector<QPoint>{{240, 319}} << QPoint(240, 150) << QString() << int(Qt::ArrowCursor);
    QTest::newRow("close button after the right edge")
            << QVector<QPoint>{{479, 18}} << QPoint() << QString("closeBtn") << int(Qt::ArrowCursor);
    QTest::newRow("outside after the left edge")
            << QVector<QPoint>{{0, 150}} << QPoint(-40, 150) << QString() << int(Qt::ArrowCursor);
    QTest::newRow("back in after leaving by the left edge")
            << QVector<QPoint>{{0, 150}, {-40, 150}} << QPoint(240, 150) << QString() << int(Qt::ArrowCursor);
}

void TestCBaseMainWidget::cursorUnderRealPointer()
{
    QFETCH(QVector<QPoint>, path);
    QFETCH(QPoint, at);
    QFETCH(QString, child);
    QFETCH(int, shape);
    MainWindow w;
    RealPointer::moveTo(mainStart.bottomRight() + QPoint(100, 100));
    showAt(&w, mainStart);
    for (const QPoint &p : path)
        RealPointer::moveTo(w.mapToGlobal(p));
    RealPointer::moveTo(child.isEmpty() ? w.mapToGlobal(at) : centreOf(w.findChild<QWidget *>(child)));
    QCOMPARE(RealPointer::shownCursor(&w), shape);
}

// A resize by an edge, then the title dragged: the window moves (the edge of the resize is not
// taken up again), and over the title the pointer shows the arrow.
void TestCBaseMainWidget::dragAfterResize_data()
{
    QTest::addColumn<QPoint>("edge");
    QTest::addColumn<QPoint>("delta");
    QTest::addColumn<QRect>("resized");
    QTest::newRow("right") << QPoint(479, 150) << QPoint(30, 0) << QRect(100, 100, 510, 320);
    QTest::newRow("bottom") << QPoint(240, 319) << QPoint(0, 30) << QRect(100, 100, 480, 350);
    QTest::newRow("left over the body") << QPoint(2, 150) << QPoint(-30, 0) << QRect(72, 100, 508, 320);
    QTest::newRow("bottom-right") << QPoint(479, 319) << QPoint(20, 20) << QRect(100, 100, 500, 340);
    QTest::newRow("top over the title") << QPoint(240, 0) << QPoint(0, -20) << QRect(100, 80, 480, 340);
}

void TestCBaseMainWidget::dragAfterResize()
{
    QFETCH(QPoint, edge);
    QFETCH(QPoint, delta);
    QFETCH(QRect, resized);
    MainWindow w;
    showAt(&w, mainStart);
    const QPoint from = w.mapToGlobal(edge);
    RealPointer::dragFromTo(from, from + delta);
    QTRY_COMPARE(w.frameGeometry(), resized);

    const QPoint grip = w.mapToGlobal(titlePoint);
    RealPointer::moveTo(grip);
    QCOMPARE(RealPointer::shownCursor(&w), int(Qt::ArrowCursor));
    RealPointer::dragFromTo(grip, grip + QPoint(40, 30));
    QTRY_COMPARE(w.frameGeometry(), resized.translated(40, 30));
}

void TestCBaseMainWidget::maximizeInEveryOrder_data()
{
    addStateSequenceRows({"button", "double", "wm"}, {"button", "double", "wm", "drag"});
    QTest::newRow("mixed") << QStringList{"double", "button", "button", "wm", "double", "button", "wm", "drag"};
}

void TestCBaseMainWidget::maximizeInEveryOrder()
{
    QFETCH(QStringList, actions);
    MainWindow w;
    showAt(&w, mainStart);
    StateSequence(&w, mainStart, titlePoint).run(actions);
}

// Handed to the window system where it takes them, done by the frame where not: the pointer
// ends on the same window either way, a maximised window shrinking back under it included.
void TestCBaseMainWidget::systemMoveResize_data()
{
    QTest::addColumn<bool>("maximized");
    QTest::addColumn<QPoint>("press");
    QTest::addColumn<QPoint>("delta");
    QTest::addColumn<QRect>("expected");
    QTest::newRow("move") << false << titlePoint << QPoint(40, 30) << mainStart.translated(40, 30);
    QTest::newRow("move maximised") << true << titlePoint << QPoint(40, 30)
                                    << QRect(available().topLeft() + QPoint(40, 30), mainStart.size());
    QTest::newRow("right") << false << QPoint(479, 150) << QPoint(20, 0) << QRect(100, 100, 500, 320);
    QTest::newRow("top-left") << false << QPoint(0, 0) << QPoint(-12, -16) << QRect(88, 84, 492, 336);
}

void TestCBaseMainWidget::systemMoveResize()
{
    QFETCH(bool, maximized);
    QFETCH(QPoint, press);
    QFETCH(QPoint, delta);
    QFETCH(QRect, expected);
    MainWindow w;
    QVERIFY(!w.systemMoveResize());
    w.setSystemMoveResize(true);
    showAt(&w, mainStart);
    if (maximized) {
        w.OnShowMaximized();
        QTRY_COMPARE(w.frameGeometry(), available());
    }
    const QPoint from = w.mapToGlobal(press);
    RealPointer::dragFromTo(from, from + delta);
    QTRY_VERIFY(RealPointer::sameWithinStartDistance(w.frameGeometry(), expected));
    QVERIFY(!w.IsMaximized());
    const QRect settled = w.frameGeometry();
    RealPointer::moveTo(from + delta + QPoint(25, 25));
    QTest::qWait(100);
    QCOMPARE(w.frameGeometry(), settled);
}

QTEST_MAIN(TestCBaseMainWidget)
#include "tst_cbasemainwidget.moc"
