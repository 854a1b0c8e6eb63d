#include "window/framegeometry.h"

EdgeHitFlags EdgeHitFlags::test(const QPoint &pos, const QRect &frame, int borderWidth)
{
    const int x = pos.x();
    const int y = pos.y();
    EdgeHitFlags hit;
    hit.onLeftEdge = x >= frame.x() && x <= frame.x() + borderWidth;
    hit.onRightEdge = x >= frame.x() + frame.width() - borderWidth && x <= frame.x() + frame.width();
    hit.onTopEdge = y >= frame.y() && y <= frame.y() + borderWidth;
    hit.onBottomEdge = y >= frame.y() + frame.height() - borderWidth && y <= frame.y() + frame.height();
    hit.onTopLeftEdge = hit.onTopEdge && hit.onLeftEdge;
    hit.onBottomLeftEdge = hit.onBottomEdge && hit.onLeftEdge;
    hit.onTopRightEdge = hit.onTopEdge && hit.onRightEdge;
    hit.onBottomRightEdge = hit.onBottomEdge && hit.onRightEdge;
    hit.onEdges = hit.onLeftEdge || hit.onRightEdge || hit.onTopEdge || hit.onBottomEdge;
    return hit;
}

namespace FrameGeometry {

Edge edgeOf(const EdgeHitFlags &hit)
{
    if (hit.onTopLeftEdge)
        return TopLeft;
    if (hit.onBottomLeftEdge)
        return BottomLeft;
    if (hit.onTopRightEdge)
        return TopRight;
    if (hit.onBottomRightEdge)
        return BottomRight;
    if (hit.onLeftEdge)
        return Left;
    if (hit.onRightEdge)
        return Right;
    if (hit.onTopEdge)
        return Top;
    if (hit.onBottomEdge)
        return Bottom;
    return NoEdge;
}

Edge edgeAt(const QPoint &pos, const QRect &frame, int borderWidth)
{
    return edgeOf(EdgeHitFlags::test(pos, frame, borderWidth));
}

Qt::CursorShape cursorFor(Edge edge)
{
    switch (edge) {
    case Left:
    case Right: return Qt::SizeHorCursor;
    case Top:
    case Bottom: return Qt::SizeVerCursor;
    case TopLeft:
    case BottomRight: return Qt::SizeFDiagCursor;
    case TopRight:
    case BottomLeft: return Qt::SizeBDiagCursor;
    case NoEdge: break;
    }
    return Qt::ArrowCursor;
}

Qt::Edges systemEdges(Edge edge)
{
    switch (edge) {
    case Left: return Qt::LeftEdge;
    case Right: return Qt::RightEdge;
    case Top: return Qt::TopEdge;
    case Bottom: return Qt::BottomEdge;
    case TopLeft: return Qt::TopEdge | Qt::LeftEdge;
    case BottomRight: return Qt::BottomEdge | Qt::RightEdge;
    case TopRight: return Qt::TopEdge | Qt::RightEdge;
    case BottomLeft: return Qt::BottomEdge | Qt::LeftEdge;
    case NoEdge: break;
    }
    return {};
}

QRect resized(const QRect &source, Edge edge, const QPoint &globalPos, const QSize &minimum)
{
    QRect target = source;
    switch (edge) {
    case Left: target.setLeft(globalPos.x()); break;
    case Right: target.setRight(globalPos.x()); break;
    case Top: target.setTop(globalPos.y()); break;
    case Bottom: target.setBottom(globalPos.y()); break;
    case TopLeft: target.setTopLeft(globalPos); break;
    case BottomRight: target.setBottomRight(globalPos); break;
    case TopRight: target.setTopRight(globalPos); break;
    case BottomLeft: target.setBottomLeft(globalPos); break;
    case NoEdge: return source;
    }
    if (target.left() > target.right() || target.top() > target.bottom())
        return source;

    // Below the minimum the dragged side goes back and the other one stays.
    if (target.width() < minimum.width()) {
        if (target.left() == source.left())
            target.setRight(source.right());
        else
            target.setLeft(source.left());
    }
    if (target.height() < minimum.height()) {
        if (target.top() == source.top())
            target.setBottom(source.bottom());
        else
            target.setTop(source.top());
    }
    return target;
}

int restoredGripX(int gripX, int maximizedWidth, int normalWidth)
{
    if (maximizedWidth <= 0)
        return gripX;
    const double ratio = double(gripX) / maximizedWidth;
    if (ratio <= 0.3)
        return gripX;
    if (ratio < 0.7)
        return int(normalWidth * ratio);
    return normalWidth - (maximizedWidth - gripX);
}

} // namespace FrameGeometry
