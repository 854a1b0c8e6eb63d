#include "window/cbasemainwidget.h"

#include <QApplication>
#include <QMouseEvent>
#include <QScreen>

namespace {
enum EdgeType { NoEdge, Left, Right, Top, Bottom, TopLeft, BottomRight, TopRight, BottomLeft };
}

CBaseMainWidget::CBaseMainWidget(QWidget *parent, QString name, const QRect &clickableRect)
    : BaseWidget(parent, name)
    , clickableRect(clickableRect)
{
    setWindowFlags(Qt::FramelessWindowHint | Qt::WindowMinimizeButtonHint);
    setAttribute(Qt::WA_MouseTracking);
}

bool CBaseMainWidget::IsMaximized()
{
    return maximized;
}

void CBaseMainWidget::OnShowMaximized()
{
    switchNormalMaximize();
}

void CBaseMainWidget::switchNormalMaximize()
{
    if (maximized) {
        maximized = false;
        setWidgetGeometry(savedNormalRect);
        return;
    }
    maximized = true;
    savedNormalRect = geometry();
    setWidgetGeometry(QGuiApplication::primaryScreen()->availableGeometry());
}

bool CBaseMainWidget::isPosInClickableRect(const QPoint &pos)
{
    const QRect &r = clickableRect;
    return r.left() < pos.x() && pos.x() < r.right() - r.left() + 1
        && r.top() < pos.y() && pos.y() < r.bottom() - r.top() + 1;
}

void CBaseMainWidget::setWidgetGeometry(const QRect &rect)
{
    const bool followWidth = clickableRect.right() - clickableRect.left() == width() - 1;
    const bool followHeight = clickableRect.bottom() - clickableRect.top() == height() - 1;
    setGeometry(rect);
    if (followWidth)
        clickableRect.setRight(clickableRect.left() + rect.width() - 1);
    if (followHeight)
        clickableRect.setBottom(clickableRect.top() + rect.height() - 1);
}

int CBaseMainWidget::setCursorStyle(const QPoint &pos)
{
    const bool onLeft = pos.x() <= borderWidth;
    const bool onTop = pos.y() <= borderWidth;
    const bool onRight = pos.x() >= width() - borderWidth;
    const bool onBottom = pos.y() >= height() - borderWidth;

    int type;
    if (onLeft && onTop)
        type = TopLeft;
    else if (onRight && onBottom)
        type = BottomRight;
    else if (onRight && onTop)
        type = TopRight;
    else if (!onLeft)
        type = onTop ? Top : onRight ? Right : onBottom ? Bottom : NoEdge;
    else
        type = onBottom ? BottomLeft : Left;

    static const Qt::CursorShape cursors[] = {
        Qt::ArrowCursor, Qt::SizeHorCursor, Qt::SizeHorCursor, Qt::SizeVerCursor, Qt::SizeVerCursor,
        Qt::SizeFDiagCursor, Qt::SizeFDiagCursor, Qt::SizeBDiagCursor, Qt::SizeBDiagCursor,
    };
    setCursor(cursors[type]);
    return type;
}

void CBaseMainWidget::resizeWidget(const QPoint &globalPos)
{
    const QRect source = geometry();
    QRect target = source;
    switch (edgeType) {
    case Left: target.setLeft(globalPos.x()); break;
    case Right: target.setRight(globalPos.x()); break;
    case Top: target.setTop(globalPos.y()); break;
    case Bottom: target.setBottom(globalPos.y()); break;
    case TopLeft: target.setTopLeft(globalPos); break;
    case BottomRight: target.setBottomRight(globalPos); break;
    case TopRight: target.setTopRight(globalPos); break;
    case BottomLeft: target.setBottomLeft(globalPos); break;
    default: return;
    }
    if (target.right() < target.left() || target.bottom() < target.top())
        return;

    // Below the minimum the dragged side goes back and the other one stays.
    if (target.width() < minimumSize().width()) {
        if (target.left() == source.left())
            target.setRight(source.right());
        else
            target.setLeft(source.left());
    }
    if (target.height() < minimumSize().height()) {
        if (target.top() == source.top())
            target.setBottom(source.bottom());
        else
            target.setTop(source.top());
    }
    setWidgetGeometry(target);
}

void CBaseMainWidget::moveWidget(const QPoint &globalPos)
{
    if (!dragStarted) {
        // Measured from the press: a window near the screen's corner must be draggable too.
        if ((globalPos - pressGlobalPos).manhattanLength() <= QApplication::startDragDistance())
            return;
        dragStarted = true;
    }
    const QPoint target = globalPos - dragOffset;
    if (maximized)
        OnShowMaximized();
    move(target);
    dragOffset = globalPos - pos();
}

void CBaseMainWidget::mousePressEvent(QMouseEvent *event)
{
    if (clickableRect.width() == 0)
        clickableRect.setRight(clickableRect.left() + width() - 1);
    if (clickableRect.height() == 0)
        clickableRect.setBottom(clickableRect.top() + height() - 1);

    if (edgeType != NoEdge)
        resizing = true;
    if (!resizing && event->button() == Qt::LeftButton && isPosInClickableRect(event->pos())) {
        moving = true;
        dragStarted = false;
        dragOffset = event->pos();
        pressGlobalPos = event->globalPos();
    }
    BaseWidget::mousePressEvent(event);
}

void CBaseMainWidget::mouseMoveEvent(QMouseEvent *event)
{
    if (moving)
        moveWidget(event->globalPos());
    if (resizing)
        resizeWidget(event->globalPos());
    else
        edgeType = setCursorStyle(event->pos());
    BaseWidget::mouseMoveEvent(event);
}

void CBaseMainWidget::mouseReleaseEvent(QMouseEvent *event)
{
    moving = false;
    resizing = false;
    edgeType = setCursorStyle(event->pos());
    BaseWidget::mouseReleaseEvent(event);
}

void CBaseMainWidget::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (isPosInClickableRect(event->pos()))
        switchNormalMaximize();
    BaseWidget::mouseDoubleClickEvent(event);
}
