#pragma once

/// \file
/// BaseView and BaseViewDlg: registries of windows that follow a watched window.

#include "kwcontrolsweb_export.h"

#include <QObject>
#include <QPointer>
#include <QVector>

class QWidget;

/// The process-wide registry of the popups that web pages open.
///
/// Install the registry as event filter on a watched window (typically the main window), and
/// hiding that window minimises the registered windows that are visible, closing it closes them
/// all; the event itself goes on to the watched window. InternalWebView registers every popup a
/// page opens here, and the popup leaves when it is destroyed.
///
/// \code
/// mainWindow->installEventFilter(&BaseView::instance());
/// \endcode
///
/// Ownership: the registry does not own its windows, but deletes what is left of them when the
/// application ends (at the start of the application object's destructor, while widgets can
/// still be deleted). A window deleted while registered simply drops out of the list. Windows may
/// register, unregister, close or delete one another while the registry closes them.
///
/// Threading: GUI thread only.
/// \ingroup web
class KWCONTROLSWEB_EXPORT BaseView : public QObject
{
public:
    /// The one registry, made on first use; deleted, with its windows, when the application ends.
    static BaseView &instance();
    /// Whether the registry is there to use.
    ///
    /// False before the first instance() and once the instance has been torn down at the end of
    /// the application: a window that dies later must not bring it back.
    static bool exists();

    /// Registers `window`, first in the list; a window already listed, or null, is ignored.
    void addWindow(QWidget *window);
    /// Takes `window` off the list; nothing happens when it is not listed.
    void remove(QWidget *window);
    /// The registered windows still alive, newest first.
    QVector<QWidget *> windows() const;

protected:
    /// Follows the watched window: its Hide event minimises the visible registered windows, its
    /// Close event closes every registered window. Never stops an event.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    BaseView() = default;
    ~BaseView() override;
    static void destroyInstance();

    QVector<QPointer<QWidget>> m_windows;
};

/// The process-wide registry of the client's own dialogs that follow a watched window.
///
/// It works as BaseView does (install it as event filter on the watched window: hiding that window
/// minimises the visible registered dialogs, closing it closes them), but it deletes its windows
/// only when told to by uninit(); at the end of the application the registry goes and leaves
/// its windows alone.
///
/// \code
/// mainWindow->installEventFilter(&BaseViewDlg::instance());
/// BaseViewDlg::instance().addWindow(dialog);
/// // ...
/// BaseViewDlg::instance().uninit();   // deletes the dialogs still listed
/// \endcode
///
/// Ownership: the windows are not owned but for uninit(); a window deleted while registered
/// simply drops out of the list. Threading: GUI thread only.
/// \ingroup web
class KWCONTROLSWEB_EXPORT BaseViewDlg : public QObject
{
public:
    /// The one registry, made on first use; deleted, without its windows, when the application
    /// ends.
    static BaseViewDlg &instance();

    /// Registers `window`, first in the list; a window already listed, or null, is ignored.
    void addWindow(QWidget *window);
    /// Takes `window` off the list; nothing happens when it is not listed.
    void remove(QWidget *window);
    /// The registered windows still alive, newest first.
    QVector<QWidget *> windows() const;
    /// Deletes every registered window and empties the list.
    void uninit();

protected:
    /// Follows the watched window: its Hide event minimises the visible registered windows, its
    /// Close event closes every registered window. Never stops an event.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    BaseViewDlg() = default;
    ~BaseViewDlg() override;
    static void destroyInstance();

    QVector<QPointer<QWidget>> m_windows;
};
