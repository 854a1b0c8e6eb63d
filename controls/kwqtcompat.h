#pragma once

// The few Qt APIs that Qt 6 changed under code this library shares with its Qt 5 build, each
// said once here so that the classes using them read the same on both.

#include <QtGlobal>
#include <QMouseEvent>
#include <QPoint>

#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
#include <QEnterEvent>
#endif

namespace KwQt {

// The argument of QWidget::enterEvent: a QEnterEvent from Qt 6 on.
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
using EnterEvent = QEnterEvent;
#else
using EnterEvent = QEvent;
#endif

// What QWidget::nativeEvent writes its result to: pointer-sized from Qt 6 on.
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
using NativeEventResult = qintptr;
#else
using NativeEventResult = long;
#endif

// Pointer positions in whole pixels, the widget's and the screen's.
inline QPoint pos(const QMouseEvent *event)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return event->position().toPoint();
#else
    return event->pos();
#endif
}

inline QPoint globalPos(const QMouseEvent *event)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return event->globalPosition().toPoint();
#else
    return event->globalPos();
#endif
}

inline QPoint pos(const QHoverEvent *event)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return event->position().toPoint();
#else
    return event->pos();
#endif
}

} // namespace KwQt
