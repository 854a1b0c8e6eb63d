#include "window/windowstatemodel.h"

#include <QEvent>
#include <QWindowStateChangeEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace {
bool systemMaximized(const QWidget *window)
{
    return window->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen);
}
} // namespace

WindowStateModel::WindowStateModel(QWidget *window)
    : QObject(window)
    , m_window(window)
    , m_normal(window->geometry())
{
    setObjectName("windowStateModel");
    window->installEventFilter(this);
}

WindowStateModel *WindowStateModel::of(QWidget *window)
{
    if (auto *model = window->findChild<WindowStateModel *>(QString(), Qt::FindDirectChildrenOnly))
        return model;
    return new WindowStateModel(window);
}

bool WindowStateModel::isMaximized() const
{
    return m_maximized;
}

QRect WindowStateModel::normalGeometry() const
{
    return m_maximized ? restoreGeometry() : m_window->geometry();
}

QRect WindowStateModel::maximizedGeometry()
{
    return QGuiApplication::primaryScreen()->availableGeometry();
}

void WindowStateModel::maximize()
{
    if (m_maximized)
        return;
    if (!systemMaximized(m_window))
        m_normal = m_window->geometry();
    setMaximized(true);
    // In the window's state too, so a window manager (its menu, a shortcut, the task bar) and
    // client code calling showNormal() know the window is maximised and can restore it.
    m_applying = true;
    m_window->setWindowState((m_window->windowState() & ~Qt::WindowMinimized) | Qt::WindowMaximized);
    m_applying = false;
    applyMaximizedGeometry();
}

void WindowStateModel::restore()
{
    if (!m_maximized)
        return;
    setMaximized(false);
    leaveSystemMaximized();
    m_window->setGeometry(restoreGeometry());
}

void WindowStateModel::toggle()
{
    if (m_maximized)
        restore();
    else
        maximize();
}

void WindowStateModel::restoreForDrag()
{
    if (!m_maximized && !systemMaximized(m_window))
        return;
    const QSize size = restoreGeometry().size();
    setMaximized(false);
    leaveSystemMaximized();
    m_window->resize(size);
}

bool WindowStateModel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show: rememberNormalGeometry(); break;
        case QEvent::WindowStateChange: {
            const auto *change = static_cast<QWindowStateChangeEvent *>(event);
            const bool was = change->oldState() & Qt::WindowMaximized;
            const bool is = m_window->windowState() & Qt::WindowMaximized;
            if (was != is && !m_applying)
                followWindowManager(is);
            break;
        }
        default: break;
        }
    }
    return QObject::eventFilter(watched, event);
}

void WindowStateModel::rememberNormalGeometry()
{
    if (m_maximized || m_applying || systemMaximized(m_window))
        return;
    const QRect current = m_window->geometry();
    if (current == m_normal)
        return;
    m_previousNormal = m_normal;
    m_normal = current;
}

void WindowStateModel::followWindowManager(bool maximizedByIt)
{
    if (maximizedByIt == m_maximized)
        return;
    if (!maximizedByIt) {
        setMaximized(false);
        m_window->setGeometry(restoreGeometry());
        return;
    }
    // Its new geometry may have come before its new state: that is not the normal one.
    if (m_normal == m_window->geometry() && m_previousNormal.isValid() &&
        m_window->geometry().contains(maximizedGeometry()))
        m_normal = m_previousNormal;
    setMaximized(true);
    applyMaximizedGeometry();
}

void WindowStateModel::applyMaximizedGeometry()
{
    // Without a window manager nobody else gives the window its maximised geometry, and a window
    // manager's own idea of it may take in the task bar. Through the native window, so Qt keeps
    // the maximised state (QWidget::setGeometry would drop it).
    if (QWindow *handle = m_window->windowHandle())
        handle->setGeometry(maximizedGeometry());
    else
        m_window->setGeometry(maximizedGeometry());
}

QRect WindowStateModel::restoreGeometry() const
{
    if (m_normal.isValid() && m_normal != maximizedGeometry())
        return m_normal;
    // Never seen normal: two thirds of the area, centred.
    const QRect area = maximizedGeometry();
    QRect fallback(QPoint(), area.size() * 2 / 3);
    fallback.moveCenter(area.center());
    return fallback;
}

void WindowStateModel::leaveSystemMaximized()
{
    if (!systemMaximized(m_window))
        return;
    m_applying = true;
    m_window->setWindowState(m_window->windowState() & ~(Qt::WindowMaximized | Qt::WindowFullScreen));
    m_applying = false;
}

void WindowStateModel::setMaximized(bool maximized)
{
    if (m_maximized == maximized)
        return;
    m_maximized = maximized;
    emit maximizedChanged(maximized);
}
