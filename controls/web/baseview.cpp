#include "web/baseview.h"

#include "web/weblog_p.h"

#include <QCoreApplication>
#include <QDebug>
#include <QEvent>
#include <QWidget>

namespace {

BaseView *s_view = nullptr;
bool s_viewGone = false;
BaseViewDlg *s_dialogs = nullptr;

using Windows = QVector<QPointer<QWidget>>;

// Windows deleted while listed have left a null behind: drop those first.
void prune(Windows &windows)
{
    windows.removeAll(QPointer<QWidget>());
}

// The newest window comes first; a window is listed once.
bool addFront(Windows &windows, QWidget *window)
{
    prune(windows);
    if (!window || windows.contains(window))
        return false;
    windows.prepend(window);
    return true;
}

bool removeFirst(Windows &windows, QWidget *window)
{
    prune(windows);
    const int at = windows.indexOf(window);
    if (at < 0)
        return false;
    windows.remove(at);
    return true;
}

QVector<QWidget *> live(const Windows &windows)
{
    QVector<QWidget *> out;
    for (const QPointer<QWidget> &window : windows) {
        if (window)
            out.append(window);
    }
    return out;
}

// Hiding the watched window minimises the visible registered windows; closing it closes them
// all. The walk goes over a copy taken first (a window may leave or join the list while it
// closes), and the guarded pointers skip a window that another one deleted meanwhile.
void follow(const Windows windows, QEvent *event)
{
    if (event->type() == QEvent::Hide) {
        for (const QPointer<QWidget> &window : windows) {
            if (window && window->isVisible())
                window->showMinimized();
        }
    } else if (event->type() == QEvent::Close) {
        for (const QPointer<QWidget> &window : windows) {
            if (!window)
                continue;
            window->close();
            qCDebug(lcWeb) << "BaseView::eventFilter";
        }
    }
}

// Deletes every window of the copy that is still alive: deleting one may delete or
// unregister another.
void deleteAll(const Windows windows)
{
    for (const QPointer<QWidget> &window : windows)
        delete window.data();
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
    const Windows windows = m_windows;
    m_windows.clear();
    deleteAll(windows);
}

void BaseView::addWindow(QWidget *window)
{
    if (addFront(m_windows, window))
        qCDebug(lcWeb) << "BaseView::addWindow";
}

void BaseView::remove(QWidget *window)
{
    removeFirst(m_windows, window);
    qCDebug(lcWeb) << "BaseView::remove";
}

QVector<QWidget *> BaseView::windows() const
{
    return live(m_windows);
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
    return live(m_windows);
}

void BaseViewDlg::uninit()
{
    const Windows windows = m_windows;
    m_windows.clear();
    deleteAll(windows);
}

bool BaseViewDlg::eventFilter(QObject *watched, QEvent *event)
{
    follow(m_windows, event);
    return QObject::eventFilter(watched, event);
}
