#pragma once

/// \file
/// The few Qt APIs that Qt 6 changed under code this library shares with its Qt 5 build.
///
/// Each is said once here, in namespace KwQt, so that the classes using them read the same on
/// both.
/// \ingroup window

#include <QtGlobal>
#include <QMouseEvent>
#include <QPoint>

#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
#include <QEnterEvent>
#endif

/// Names and calls that read the same under Qt 5 and Qt 6.
/// \ingroup window
namespace KwQt {

#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
/// The argument of QWidget::enterEvent(): a QEvent up to Qt 5, a QEnterEvent from Qt 6 on.
using EnterEvent = QEnterEvent;
#else
/// The argument of QWidget::enterEvent(): a QEvent up to Qt 5, a QEnterEvent from Qt 6 on.
using EnterEvent = QEvent;
#endif

#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
/// What QWidget::nativeEvent() writes its result to: a long up to Qt 5, pointer-sized from Qt 6
/// on.
using NativeEventResult = qintptr;
#else
/// What QWidget::nativeEvent() writes its result to: a long up to Qt 5, pointer-sized from Qt 6
/// on.
using NativeEventResult = long;
#endif

/// The pointer position of a mouse event in the widget, in whole pixels.
inline QPoint pos(const QMouseEvent *event)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return event->position().toPoint();
#else
    return event->pos();
#endif
}

/// The pointer position of a mouse event on the screen, in whole pixels.
inline QPoint globalPos(const QMouseEvent *event)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return event->globalPosition().toPoint();
#else
    return event->globalPos();
#endif
}

/// The pointer position of a hover event in the widget, in whole pixels.
inline QPoint pos(const QHoverEvent *event)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return event->position().toPoint();
#else
    return event->pos();
#endif
}

} // namespace KwQt
