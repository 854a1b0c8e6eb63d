#include "web/baseview.h"

#include <QCoreApplication>
#include <QDebug>
#include <QEvent>
#include <QWidget>

namespace {

BaseView *s_view = nullptr;
bool s_viewGone = false;
BaseViewDlg *s_dialogs = nullptr;

// The newest window comes first; a window is listed once.
bool addFront(QVector<QWidget *> &windows, QWidget *window)
{
    if (!window || windows.contains(window))
        return false;
    windows.prepend(window);
    return true;
}

bool removeFirst(QVector<QWidget *> &windows, QWidget *window)
{
    const int at = windows.indexOf(window);
    if (at < 0)
        return false;
    windows.remove(at);
    return true;
}

// Hiding the watched window minimises the visible registered windows; closing it closes them
// all. The walk goes over a copy: a window may leave the list while it closes.
void follow(const QVector<QWidget *> &windows, QEvent *event)
{
    if (event->type() == QEvent::Hide) {
        for (QWidget *window : windows) {
            if (window->isVisible())
                window->showMinimized();
        }
    } else if (event->type() == QEvent::Close) {
        for (QWidget *window : windows) {
            window->close();
            qDebug() << "BaseView::eventFilter";
        }
    }
}

} // namespace

BaseView &BaseView::instance()
{
    if (!s_view) {
        s_view = new BaseView;
        s_viewGone = false;
        // Post routines run at the start of the application's destructor, while widgets can
        // still be deleted safely.
        qAddPostRoutine(&BaseView::destroyInstance);
    }
    return *s_view;
}

bool BaseView::exists()
{
    return s_view && !s_viewGone;
}

void BaseView::destroyInstance()
{
    delete s_view;
    s_view = nullptr;
}

BaseView::~BaseView()
{
    s_viewGone = true;
    const QVector<QWidget *> windows = m_windows;
    m_windows.clear();
    qDeleteAll(windows);
}

void BaseView::addWindow(QWidget *window)
{
    if (addFront(m_windows, window))
        qDebug() << "BaseView::addWindow";
}

void BaseView::remove(QWidget *window)
{
    removeFirst(m_windows, window);
    qDebug() << "BaseView::remove";
}

QVector<QWidget *> BaseView::windows() const
{
    return m_windows;
}

bool BaseView::eventFilter(QObject *watched, QEvent *event)
{
    follow(m_windows, event);
    return QObject::eventFilter(watched, event);
}

BaseViewDlg &BaseViewDlg::instance()
{
    if (!s_dialogs) {
        s_dialogs = new BaseViewDlg;
        qAddPostRoutine(&BaseViewDlg::destroyInstance);
    }
    return *s_dialogs;
}

void BaseViewDlg::destroyInstance()
{
    delete s_dialogs;
    s_dialogs = nullptr;
}

BaseViewDlg::~BaseViewDlg() = default;

void BaseViewDlg::addWindow(QWidget *window)
{
    addFront(m_windows, window);
}

void BaseViewDlg::remove(QWidget *window)
{
    removeFirst(m_windows, window);
}

QVector<QWidget *> BaseViewDlg::windows() const
{
    return m_windows;
}

void BaseViewDlg::uninit()
{
    const QVector<QWidget *> windows = m_windows;
    m_windows.clear();
    qDeleteAll(windows);
}

bool BaseViewDlg::eventFilter(QObject *watched, QEvent *event)
{
    follow(m_windows, event);
    return QObject::eventFilter(watched, event);
}
