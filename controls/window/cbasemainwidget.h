#pragma once

#include "window/basewidget.h"

#include <QPointer>
#include <QRect>

class WindowStateModel;

// The base of frameless main windows: moves by a clickable area given by the owner, resizes by
// its edges with matching cursors, and maximises onto the screen's available area on a double
// click. The clickable rectangle's left and top are insets; with zero width or height it
// follows the window's width or height.
//
// The pointer is followed over the whole window, children included: the cursor shows the edge
// under it wherever it is, and a press on an edge resizes even where a child would take it.
class KWCONTROLS_EXPORT CBaseMainWidget : public BaseWidget
{
    Q_OBJECT

public:
    explicit CBaseMainWidget(QWidget *parent = 0, QString name = "", const QRect &clickableRect = QRect());

    bool IsMaximized();
    // Off by default. When on, moves and edge resizes are handed to the window system where it
    // can take them (snapping, moves across screens, Wayland); elsewhere the window does them.
    void setSystemMoveResize(bool on);
    bool systemMoveResize() const;

public slots:
    // Toggles between the available area of the screen and the geometry from before.
    void OnShowMaximized();

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
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
