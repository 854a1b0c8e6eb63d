#pragma once

#include "kwcontrolsweb_export.h"

#include <QObject>
#include <QPointer>
#include <QVector>

class QWidget;

// Process-wide registries of open windows that follow a watched window: install the registry as
// event filter on that window, and hiding it minimises the registered windows, closing it
// closes them. BaseView holds the popups that web pages open and deletes what is left of them
// when the application ends; BaseViewDlg holds the client's own dialogs.
//
// The registries do not own their windows (but for the deletions said below): a window deleted
// while registered simply drops out of the list. Windows may register, unregister, close or
// delete one another while the registry closes them.
class KWCONTROLSWEB_EXPORT BaseView : public QObject
{
public:
    static BaseView &instance();
    // False once the instance has been torn down at the end of the application: a window that
    // dies later must not bring it back.
    static bool exists();

    void addWindow(QWidget *window);
    void remove(QWidget *window);
    QVector<QWidget *> windows() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    BaseView() = default;
    ~BaseView() override;
    static void destroyInstance();

    QVector<QPointer<QWidget>> m_windows;
};

class KWCONTROLSWEB_EXPORT BaseViewDlg : public QObject
{
public:
    static BaseViewDlg &instance();

    void addWindow(QWidget *window);
    void remove(QWidget *window);
    QVector<QWidget *> windows() const;
    // Deletes every registered window and empties the list.
    void uninit();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    BaseViewDlg() = default;
    ~BaseViewDlg() override;
    static void destroyInstance();

    QVector<QPointer<QWidget>> m_windows;
};
