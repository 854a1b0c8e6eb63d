#include "window/cbasemainwidget.h"

#include "kwqtcompat.h"
#include "window/framegeometry.h"
#include "window/windowstatemodel.h"

#include <QApplication>
#include <QCursor>
#include <QHoverEvent>
#include <QMouseEvent>
#include <QWindow>

using FrameGeometry::Edge;

CBaseMainWidget::CBaseMainWidget(QWidget *parent, QString name, const QRect &clickableRect)
    : BaseWidget(parent, name)
    , clickableRect(clickableRect)
    , stateModel(WindowStateModel::of(this))
{
    setWindowFlags(Qt::FramelessWindowHint | Qt::WindowMinimizeButtonHint);
    setAttribute(Qt::WA_MouseTracking);
    // Hover moves reach the frame from whichever child is under the pointer, so the cursor
    // follows the pointer over the whole window and no edge is left behind from before.
    setAttribute(Qt::WA_Hover);
    // A maximised window has no edges to offer, a restored one has them again at once.
    connect(stateModel, &WindowStateModel::maximizedChanged, this, [this] {
        if (!moving && !resizing)
            edgeType = setCursorStyle(mapFromGlobal(QCursor::pos()));
    });
}

bool CBaseMainWidget::IsMaximized()
{
    return stateModel->isMaximized();
}

void CBaseMainWidget::setSystemMoveResize(bool on)
{
    systemMoves = on;
}

bool CBaseMainWidget::systemMoveResize() const
{
    return systemMoves;
}

void CBaseMainWidget::OnShowMaximized()
{
    switchNormalMaximize();
}

void CBaseMainWidget::switchNormalMaximize()
{
    stateModel->toggle();
}

bool CBaseMainWidget::isPosInClickableRect(const QPoint &pos)
{
    const QRect &r = clickableRect;
    return r.left() < pos.x() && pos.x() < r.right() - r.left() + 1 && r.top() < pos.y() &&
           pos.y() < r.bottom() - r.top() + 1;
}

void CBaseMainWidget::fillClickableExtent()
{
    if (clickableRect.width() == 0)
        clickableRect.setRight(clickableRect.left() + width() - 1);
    if (clickableRect.height() == 0)
        clickableRect.setBottom(clickableRect.top() + height() - 1);
}

int CBaseMainWidget::setCursorStyle(const QPoint &pos)
{
    const Edge edge =
            stateModel->isMaximized() ? FrameGeometry::NoEdge : FrameGeometry::edgeAt(pos, rect(), borderWidth);
    setCursor(FrameGeometry::cursorFor(edge));
    return edge;
}

void CBaseMainWidget::resizeWidget(const QPoint &globalPos)
{
    const QRect target = FrameGeometry::resized(geometry(), Edge(edgeType), globalPos, minimumSize());
    if (target != geometry())
        setGeometry(target);
}

void CBaseMainWidget::moveWidget(const QPoint &globalPos)
{
    if (!dragStarted) {
        // Measured from the press: a window near the screen's corner must be draggable too.
        if ((globalPos - pressGlobalPos).manhattanLength() <= QApplication::startDragDistance())
            return;
        dragStarted = true;
        if (stateModel->isMaximized()) {
            // Shrinking back under the pointer, the window keeps it on the same part of the title.
            const int normalWidth = stateModel->normalGeometry().width();
            dragOffset.setX(FrameGeometry::restoredGripX(dragOffset.x(), width(), normalWidth));
            stateModel->restoreForDrag();
        }
        // Past the start distance only, so clicks and double clicks stay the frame's. The
        // window is under the pointer first; the window system goes on from there.
        move(globalPos - dragOffset);
        if (handOverToSystem())
            return;
    }
    move(globalPos - dragOffset);
    dragOffset = globalPos - pos();
}

void CBaseMainWidget::beginResize()
{
    resizing = true;
    // From the press, so the window system resizes from the very pixel that was grabbed.
    handOverToSystem();
}

void CBaseMainWidget::dragTo(const QPoint &globalPos)
{
    if (moving) {
        moveWidget(globalPos);
    } else if (resizing) {
        resizeWidget(globalPos);
    }
}

void CBaseMainWidget::endDrag(const QPoint &pos)
{
    moving = false;
    resizing = false;
    resizingFromWindow = false;
    edgeType = setCursorStyle(pos);
}

bool CBaseMainWidget::handOverToSystem()
{
    QWindow *handle = windowHandle();
    // The window system drags with the left button only.
    if (!systemMoves || !handle || !(QGuiApplication::mouseButtons() & Qt::LeftButton))
        return false;
    const bool taken =
            moving ? handle->startSystemMove() : handle->startSystemResize(FrameGeometry::systemEdges(Edge(edgeType)));
    if (taken) {
        moving = false;
        resizing = false;
        resizingFromWindow = false;
    }
    return taken;
}

void CBaseMainWidget::watchNativeWindow()
{
    QWindow *handle = windowHandle();
    if (!handle || handle == watchedWindow)
        return;
    if (watchedWindow)
        watchedWindow->removeEventFilter(this);
    handle->installEventFilter(this);
    watchedWindow = handle;
}

bool CBaseMainWidget::filterNativeMouse(QMouseEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        // On the frame itself its own handler decides; on a child that would take the press
        // (a button, a view), an edge the cursor offers must still win.
        if (event->button() != Qt::LeftButton || moving || resizing || !childAt(event->pos()))
            return false;
        edgeType = setCursorStyle(event->pos());
        if (edgeType == FrameGeometry::NoEdge)
            return false;
        beginResize();
        resizingFromWindow = true;
        return true;
    case QEvent::MouseMove:
        if (!resizingFromWindow)
            return false;
        dragTo(KwQt::globalPos(event));
        return true;
    case QEvent::MouseButtonRelease:
        if (!resizingFromWindow)
            return false;
        endDrag(mapFromGlobal(KwQt::globalPos(event)));
        return true;
    default: return false;
    }
}

bool CBaseMainWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != watchedWindow)
        return BaseWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease:
        if (filterNativeMouse(static_cast<QMouseEvent *>(event)))
            return true;
        break;
    default: break;
    }
    return BaseWidget::eventFilter(watched, event);
}

bool CBaseMainWidget::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::HoverMove:
        if (!moving && !resizing)
            edgeType = setCursorStyle(KwQt::pos(static_cast<QHoverEvent *>(event)));
        break;
    case QEvent::Leave:
        // Out of the window: no edge is under the pointer, and coming back starts afresh.
        if (!moving && !resizing)
            edgeType = setCursorStyle(QPoint(-1, -1));
        break;
    case QEvent::Show:
    case QEvent::WinIdChange: watchNativeWindow(); break;
    default: break;
    }
    return BaseWidget::event(event);
}

void CBaseMainWidget::mousePressEvent(QMouseEvent *event)
{
    fillClickableExtent();
    // What lies under the press decides, not what an earlier hover left behind.
    edgeType = setCursorStyle(event->pos());
    if (edgeType != FrameGeometry::NoEdge)
        beginResize();
    if (!resizing && event->button() == Qt::LeftButton && isPosInClickableRect(event->pos())) {
        moving = true;
        dragStarted = false;
        dragOffset = event->pos();
        pressGlobalPos = KwQt::globalPos(event);
    }
    BaseWidget::mousePressEvent(event);
}

void CBaseMainWidget::mouseMoveEvent(QMouseEvent *event)
{
    // A release that went elsewhere (a popup, a grab) still ends the drag.
    if (event->buttons() == Qt::NoButton) {
        moving = false;
        resizing = false;
    }
    dragTo(KwQt::globalPos(event));
    if (!moving && !resizing)
        edgeType = setCursorStyle(event->pos());
    BaseWidget::mouseMoveEvent(event);
}

void CBaseMainWidget::mouseReleaseEvent(QMouseEvent *event)
{
    endDrag(event->pos());
    BaseWidget::mouseReleaseEvent(event);
}

void CBaseMainWidget::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (isPosInClickableRect(event->pos()))
        switchNormalMaximize();
    BaseWidget::mouseDoubleClickEvent(event);
}

void CBaseMainWidget::resizeEvent(QResizeEvent *event)
{
    // A clickable area as wide (high) as the window stays so through every resize, whoever
    // makes it: the frame, the control box, the window manager.
    const QSize old = event->oldSize();
    if (clickableRect.right() - clickableRect.left() == old.width() - 1)
        clickableRect.setRight(clickableRect.left() + width() - 1);
    if (clickableRect.bottom() - clickableRect.top() == old.height() - 1)
        clickableRect.setBottom(clickableRect.top() + height() - 1);
    BaseWidget::resizeEvent(event);
}
