#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QWidget>
#include <QWindow>

// Ends the program with exit code 0 as soon as `widget`'s window is first exposed: the moment
// a person would see it. For start-up measurements only (KwUpdate takes it from the
// environment variable KW_UPDATE_QUIT_WHEN_SHOWN; the benchmark's plain dialog uses it too).
class QuitWhenShown : public QObject
{
public:
    explicit QuitWhenShown(QWidget *widget)
        : QObject(widget)
    {
        widget->winId();
        widget->windowHandle()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && static_cast<QWindow *>(watched)->isExposed())
            QCoreApplication::exit(0);
        return QObject::eventFilter(watched, event);
    }
};
