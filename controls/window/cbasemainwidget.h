#pragma once

/// \file
/// CBaseMainWidget: the base of frameless main windows.

#include "window/basewidget.h"

#include <QPointer>
#include <QRect>

class WindowStateModel;

/// The base of frameless main windows.
///
/// Moves by a clickable area given by the owner, resizes by its edges with matching cursors, and
/// maximises onto the primary screen's available area on a double click in the clickable area
/// (through the window's WindowStateModel). The clickable rectangle's left and top are insets;
/// with zero width or height it follows the window's width or height. A move starts only once the
/// pointer has left the start distance, so clicks and double clicks stay the window's; a drag of
/// a maximised window restores it under the pointer. The edge zones are 4 pixels wide and follow
/// FrameGeometry's rules; a maximised window offers none.
///
/// The pointer is followed over the whole window, children included: the cursor shows the edge
/// under it wherever it is, and a press on an edge resizes even where a child would take it.
///
/// \code
/// // Moved by the top 40 pixels over the whole width.
/// auto *main = new CBaseMainWidget(nullptr, "main", QRect(0, 0, 0, 40));
/// main->setSystemMoveResize(true);
/// main->show();
/// \endcode
///
/// The constructor sets the window flags to a frameless window with a minimise button. Ownership:
/// as any QWidget. Threading: GUI thread only.
/// \ingroup window
class KWCONTROLS_EXPORT CBaseMainWidget : public BaseWidget
{
    Q_OBJECT

public:
    /// A frameless window under `parent` (usually none), with path `name` on the bus, moved by
    /// `clickableRect`.
    ///
    /// The default, an empty rectangle, makes the whole window the clickable area.
    explicit CBaseMainWidget(QWidget *parent = 0, QString name = "", const QRect &clickableRect = QRect());

    /// Whether the window is maximised, by its WindowStateModel.
    bool IsMaximized();
    /// Hands moves and edge resizes to the window system where it can take them; off by default.
    ///
    /// When on, the window system does them where it can (snapping, moves across screens,
    /// Wayland); elsewhere the window does them.
    void setSystemMoveResize(bool on);
    /// Whether moves and resizes go to the window system where it can take them.
    bool systemMoveResize() const;

public slots:
    /// Toggles between the available area of the screen and the geometry from before.
    void OnShowMaximized();

protected:
    /// Updates the cursor on hover moves and on leaving, and watches the native window once it
    /// exists; then handles the event as BaseWidget does.
    bool event(QEvent *event) override;
    /// Takes a left press on an edge over a child, and the drag that follows, from the native
    /// window before the child sees them.
    bool eventFilter(QObject *watched, QEvent *event) override;
    /// Starts a resize on an edge, or a move in the clickable area.
    void mousePressEvent(QMouseEvent *event) override;
    /// Ends a move or resize.
    void mouseReleaseEvent(QMouseEvent *event) override;
    /// Toggles the maximised state when the double click is in the clickable area.
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    /// Moves or resizes the window during a drag, otherwise shows the edge cursor.
    void mouseMoveEvent(QMouseEvent *event) override;
    /// Keeps a clickable area that spans the window's width (height) spanning it.
    void resizeEvent(QResizeEvent *event) override;

private:
    void switchNormalMaximize();
    bool isPosInClickableRect(const QPoint &pos);
    void resizeWidget(const QPoint &globalPos);
    int setCursorStyle(const QPoint &pos);
    void moveWidget(const QPoint &globalPos);
    void fillClickableExtent();
    void beginResize();
    void dragTo(const QPoint &globalPos);
    void endDrag(const QPoint &pos);
    bool handOverToSystem();
    void watchNativeWindow();
    bool filterNativeMouse(QMouseEvent *event);

    int borderWidth = 3;
    QRect clickableRect;
    QPoint dragOffset;
    // Where the move started: the window follows only once the pointer has left the start
    // distance, so a click that trembles does not move it.
    QPoint pressGlobalPos;
    bool dragStarted = false;
    bool moving = false;
    bool resizing = false;
    // A resize begun on a child: its moves and release are taken before any child sees them.
    bool resizingFromWindow = false;
    bool systemMoves = false;
    int edgeType = 0;
    WindowStateModel *stateModel;
    QPointer<QObject> watchedWindow;
};
