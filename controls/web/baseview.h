#pragma once

#include "kwcontrols_export.h"

#include <QObject>
#include <QVector>

class QWidget;

// Process-wide registries of open windows that follow a watched window: install the registry as
// event filter on that window, and hiding it minimises the registered windows, closing it
// closes them. BaseView holds the popups that web pages open and deletes what is left of them
// when the application ends; BaseViewDlg holds the client's own dialogs.
class KWCONTROLS_EXPORT BaseView : public QObject
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

    QVector<QWidget *> m_windows;
};

class KWCONTROLS_EXPORT BaseViewDlg : public QObject
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

    QVector<QWidget *> m_windows;
};
