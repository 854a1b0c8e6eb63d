#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QStyleHints>
#include <QRubberBand>
#include <QWindow>
#include <QtTest>

// Sends a mouse event carrying a global position and held buttons (QTest::mouseMove does not
// carry buttons reliably); it passes the widget's event filters like a real one.
inline void sendMouse(QWidget *w, QEvent::Type type, const QPoint &global, Qt::MouseButton button = Qt::NoButton,
                      Qt::MouseButtons held = Qt::NoButton)
{
    const QPoint local = w->mapFromGlobal(global);
    QMouseEvent ev(type, local, local, global, button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &ev);
}

// Press at a global point, move to another, release there.
inline void drag(QWidget *w, const QPoint &from, const QPoint &to)
{
    sendMouse(w, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    sendMouse(w, QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
    sendMouse(w, QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
}

// A window whose cursor was unset shows the arrow.
inline int cursorShape(const QWidget *w)
{
    return int(w->cursor().shape());
}

// Maximised the way a window manager does it: the state first, then the geometry from outside
// (QWidget::setGeometry would drop the maximised state again).
inline void maximizeLikeWindowManager(QWidget *w, const QRect &area)
{
    w->showMaximized();
    w->windowHandle()->setGeometry(area);
    QTRY_COMPARE(w->frameGeometry(), area);
    QVERIFY(w->isMaximized());
}

inline void showAt(QWidget *w, const QRect &geometry)
{
    w->setGeometry(geometry);
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    QTRY_COMPARE(w->frameGeometry(), geometry);
}

inline QRubberBand *visibleRubberBand()
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (auto *band = qobject_cast<QRubberBand *>(w); band && band->isVisible())
            return band;
    }
    return nullptr;
}

// The display's own pointer. Motion goes to whichever widget is under it, children included,
// and a window manager sees the buttons held during a drag, as with a person's mouse. Buttons
// go through xdotool (XTest), so the X server itself knows they are down.
namespace RealPointer {

// Counts the input events of one kind that reach the application from the display.
class EventWatch : public QObject
{
public:
    explicit EventWatch(QEvent::Type type)
        : type(type)
    {
        qApp->installEventFilter(this);
    }
    ~EventWatch() override { qApp->removeEventFilter(this); }
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == type && event->spontaneous() && watched->isWindowType())
            ++seen;
        return false;
    }
    // Bounded: a grab by a window manager may keep an event from ever reaching us.
    void wait(int timeout = 1000)
    {
        QElapsedTimer timer;
        timer.start();
        while (!seen && timer.elapsed() < timeout)
            QTest::qWait(5);
        QTest::qWait(20);
    }
    QEvent::Type type;
    int seen = 0;
};

inline void xdotool(const QStringList &arguments, QEvent::Type answer)
{
    EventWatch watch(answer);
    QCOMPARE(QProcess::execute("xdotool", arguments), 0);
    watch.wait();
}

inline void moveTo(const QPoint &global)
{
    if (QCursor::pos() == global)
        return;
    EventWatch watch(QEvent::MouseMove);
    QCursor::setPos(global);
    QTRY_COMPARE(QCursor::pos(), global);
    // Off our windows no motion comes back to us: a short wait is all there is.
    watch.wait(QApplication::topLevelAt(global) ? 1000 : 100);
}

inline void press()
{
    xdotool({"mousedown", "1"}, QEvent::MouseButtonPress);
}

inline void release()
{
    xdotool({"mouseup", "1"}, QEvent::MouseButtonRelease);
}

// Waits out the double-click interval first, so a click is never taken for a double click's second.
inline void clickAt(const QPoint &global)
{
    QTest::qWait(QGuiApplication::styleHints()->mouseDoubleClickInterval() + 50);
    moveTo(global);
    press();
    release();
}

inline void doubleClickAt(const QPoint &global)
{
    QTest::qWait(QGuiApplication::styleHints()->mouseDoubleClickInterval() + 50);
    moveTo(global);
    xdotool({"click", "--repeat", "2", "--delay", "60", "1"}, QEvent::MouseButtonDblClick);
}

// Press, travel in a few steps (a drag threshold sees a real path), release.
inline void dragFromTo(const QPoint &from, const QPoint &to)
{
    QTest::qWait(QGuiApplication::styleHints()->mouseDoubleClickInterval() + 50);
    moveTo(from);
    press();
    for (int step = 1; step <= 4; ++step)
        moveTo(from + (to - from) * step / 4);
    release();
}

// A window manager that takes a move over past the start distance may begin from where the
// window stood a moment before: the window may trail the pointer by up to that distance.
inline bool sameWithinStartDistance(const QRect &actual, const QRect &expected)
{
    return actual.size() == expected.size() &&
           (actual.topLeft() - expected.topLeft()).manhattanLength() <= QApplication::startDragDistance() + 8;
}

// The cursor the display shows over a window: the one Qt last applied to its native window.
inline int shownCursor(QWidget *window)
{
    return int(window->windowHandle()->cursor().shape());
}

} // namespace RealPointer

// Maximises and restores a window with a control box in the ways a person has: the box's
// button, a double click on the title, a drag of the title, and the window manager (asked as a
// task bar or a shortcut would). After every step the geometry and the button's glyph must
// agree with each other and with what the step promised.
class StateSequence
{
public:
    StateSequence(QWidget *window, const QRect &normal, const QPoint &title)
        : window(window)
        , normal(normal)
        , title(title)
    {
    }

    static QRect maximizedArea() { return QGuiApplication::primaryScreen()->availableGeometry(); }

    QPushButton *maximizeButton() const
    {
        auto *button = window->findChild<QPushButton *>("expandBtn");
        return button ? button : window->findChild<QPushButton *>("narrowBtn");
    }

    void run(const QStringList &actions)
    {
        for (const QString &action : actions) {
            step(action);
            if (QTest::currentTestFailed()) {
                qWarning() << "failed at" << action << "of" << actions;
                return;
            }
        }
    }

private:
    void step(const QString &action)
    {
        const QPoint titlePoint = window->mapToGlobal(title);
        if (action == "button") {
            QPushButton *button = maximizeButton();
            QVERIFY(button);
            RealPointer::clickAt(button->mapToGlobal(button->rect().center()));
            maximized = !maximized;
        } else if (action == "double") {
            RealPointer::doubleClickAt(titlePoint);
            maximized = !maximized;
        } else if (action == "wm") {
            if (maximized)
                window->showNormal();
            else
                window->showMaximized();
            maximized = !maximized;
        } else if (action == "drag") {
            QVERIFY2(maximized, "a drag restores only a maximised window");
            const QPoint travel(60, 80);
            RealPointer::dragFromTo(titlePoint, titlePoint + travel);
            // Grabbed near the left, the pointer keeps its offset from the window's left edge.
            normal.moveTopLeft(maximizedArea().topLeft() + travel);
            maximized = false;
        }
        QTRY_COMPARE(window->frameGeometry(), maximized ? maximizedArea() : normal);
        QTRY_COMPARE(maximizeButton()->objectName(), QString(maximized ? "narrowBtn" : "expandBtn"));
        // Settled: nothing undoes the step a moment later (a window manager answering late).
        QTest::qWait(100);
        QCOMPARE(window->frameGeometry(), maximized ? maximizedArea() : normal);
    }

    QWidget *window;
    QRect normal;
    QPoint title;
    bool maximized = false;
};

// Every maximiser followed by every restorer, twice over, so a state left behind by the first
// round shows in the second.
inline void addStateSequenceRows(const QStringList &maximizers, const QStringList &restorers)
{
    QTest::addColumn<QStringList>("actions");
    for (const QString &up : maximizers) {
        for (const QString &down : restorers) {
            const QString name = up + " then " + down;
            QTest::newRow(qPrintable(name)) << QStringList{up, down, up, down};
        }
    }
}
