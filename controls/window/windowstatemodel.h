#pragma once

/// \file
/// WindowStateModel: whether a frameless window is maximised, and where it returns to.

#include "kwcontrols_export.h"

#include <QObject>
#include <QRect>

class QWidget;

/// Whether a frameless window is maximised, and the geometry it returns to.
///
/// One model per window, shared by everything that maximises or restores it (the frame's double
/// click, the control box's button, a drag that restores, the window manager), so they never
/// disagree. Maximised means the window's maximised state (so a window manager knows it) and the
/// available area of the primary screen as its geometry, with or without a window manager.
///
/// \code
/// WindowStateModel *state = WindowStateModel::of(window);
/// connect(state, &WindowStateModel::maximizedChanged, this, &Host::updateButton);
/// state->toggle();
/// \endcode
///
/// Ownership: a child of its window, made by of() and deleted with the window. Threading: GUI
/// thread only.
/// \ingroup window
class KWCONTROLS_EXPORT WindowStateModel : public QObject
{
    Q_OBJECT

public:
    /// The model of `window`, made on first use as its child.
    static WindowStateModel *of(QWidget *window);

    /// Whether the window is maximised.
    bool isMaximized() const;
    /// Where a restore puts the window; while it is normal, where it is.
    ///
    /// A window never seen normal returns to two thirds of the available area, centred.
    QRect normalGeometry() const;
    /// The geometry of a maximised window: the available area of the primary screen.
    static QRect maximizedGeometry();

    /// Maximises the window: its maximised state on, maximizedGeometry() as its geometry.
    ///
    /// The geometry it had is kept for the restore. Does nothing when it is maximised already.
    void maximize();
    /// Restores the window to normalGeometry(); does nothing when it is not maximised.
    void restore();
    /// Restores a maximised window, maximises any other.
    void toggle();
    /// Leaves the maximised state at the normal size and keeps the position: a drag puts the
    /// window under the pointer itself.
    void restoreForDrag();

signals:
    /// The window became maximised (`maximized` true) or normal.
    ///
    /// Emitted on every change, whoever made it: maximize(), restore(), toggle(),
    /// restoreForDrag() or the window manager.
    void maximizedChanged(bool maximized);

protected:
    /// Follows the window: its moves and resizes while normal, and its maximised state as the
    /// window manager changes it. Never stops an event.
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
