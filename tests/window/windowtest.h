#pragma once

#include <QApplication>
#include <QMouseEvent>
#include <QRubberBand>
#include <QWindow>
#include <QtTest>

// Sends a mouse event carrying a global position and held buttons (QTest::mouseMove does not
// carry buttons reliably); it passes the widget's event filters like a real one.
inline void sendMouse(QWidget *w, QEvent::Type type, const QPoint &global,
                      Qt::MouseButton button = Qt::NoButton, Qt::MouseButtons held = Qt::NoButton)
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
