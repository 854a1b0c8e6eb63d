#pragma once

#include "kwcontrols_export.h"

#include <QObject>
#include <QRect>

class QWidget;

// Whether a frameless window is maximised, and the geometry it returns to. One model per
// window, shared by everything that maximises or restores it (the frame's double click, the
// control box's button, a drag that restores, the window manager), so they never disagree.
// Maximised means the window's maximised state (so a window manager knows it) and the available
// area of the default screen as its geometry, with or without a window manager.
class KWCONTROLS_EXPORT WindowStateModel : public QObject
{
    Q_OBJECT

public:
    // The model of `window`, made on first use as its child.
    static WindowStateModel *of(QWidget *window);

    bool isMaximized() const;
    // Where a restore puts the window; while it is normal, where it is.
    QRect normalGeometry() const;
    static QRect maximizedGeometry();

    void maximize();
    void restore();
    void toggle();
    // Leaves the maximised state at the normal size and keeps the position: a drag puts the
    // window under the pointer itself.
    void restoreForDrag();

signals:
    void maximizedChanged(bool maximized);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit WindowStateModel(QWidget *window);
    void rememberNormalGeometry();
    void followWindowManager(bool maximizedByIt);
    QRect restoreGeometry() const;
    void applyMaximizedGeometry();
    // Leaves a maximised state that Qt or the window manager holds, without taking it as news.
    void leaveSystemMaximized();
    void setMaximized(bool maximized);

    QWidget *m_window;
    bool m_maximized = false;
    QRect m_normal;
    // The one before: a window manager may report its new geometry before its new state.
    QRect m_previousNormal;
    bool m_applying = false;
};
