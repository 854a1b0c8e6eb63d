#pragma once

/// \file
/// How a frameless window is resized and moved by hand: EdgeHitFlags and FrameGeometry.
///
/// Which edge zone a point lies in, the cursor each zone shows, the rectangle a drag of an edge
/// gives, and where the pointer grips a maximised window shrinking back under it.
/// FramelessHelper and CBaseMainWidget both follow these rules, so every frameless window of the
/// library handles alike.
/// \ingroup window

#include "kwcontrols_export.h"

#include <QPoint>
#include <QRect>
#include <QSize>

/// Which edge zones a point lies in.
///
/// The zones are borderWidth + 1 pixels wide and the right and bottom ones reach one pixel beyond
/// the rectangle, so a pointer resting on the very last pixel of a window (or just off it) still
/// grabs the edge. A plain value; FrameGeometry::edgeOf() turns it into one Edge.
/// \ingroup window
struct KWCONTROLS_EXPORT EdgeHitFlags
{
    bool onEdges = false; ///< In any edge zone.
    bool onLeftEdge = false; ///< In the left zone.
    bool onRightEdge = false; ///< In the right zone.
    bool onTopEdge = false; ///< In the top zone.
    bool onBottomEdge = false; ///< In the bottom zone.
    bool onTopLeftEdge = false; ///< In the top and the left zone.
    bool onBottomLeftEdge = false; ///< In the bottom and the left zone.
    bool onTopRightEdge = false; ///< In the top and the right zone.
    bool onBottomRightEdge = false; ///< In the bottom and the right zone.

    /// The zones of `frame` that `pos` lies in, with zones `borderWidth` + 1 pixels wide.
    ///
    /// `pos` and `frame` are in the same coordinates (both global, or both the widget's own).
    static EdgeHitFlags test(const QPoint &pos, const QRect &frame, int borderWidth);
};

/// The rules by which frameless windows are resized and moved by hand.
/// \ingroup window
namespace FrameGeometry {

/// The side or corner a drag moves; the values are CBaseMainWidget's edge types.
enum Edge { NoEdge, Left, Right, Top, Bottom, TopLeft, BottomRight, TopRight, BottomLeft };
/// \var NoEdge
/// Not on an edge: a drag there moves the window, if anything.
/// \var Left
/// The left side.
/// \var Right
/// The right side.
/// \var Top
/// The top side.
/// \var Bottom
/// The bottom side.
/// \var TopLeft
/// The top left corner.
/// \var BottomRight
/// The bottom right corner.
/// \var TopRight
/// The top right corner.
/// \var BottomLeft
/// The bottom left corner.

/// The one edge the zones stand for.
///
/// A corner wins over its sides; in a window too narrow for two zones the left and top win.
KWCONTROLS_EXPORT Edge edgeOf(const EdgeHitFlags &hit);
/// The edge of `frame` at `pos`: edgeOf() of EdgeHitFlags::test().
KWCONTROLS_EXPORT Edge edgeAt(const QPoint &pos, const QRect &frame, int borderWidth);
/// The resize cursor an edge shows; the arrow for NoEdge.
KWCONTROLS_EXPORT Qt::CursorShape cursorFor(Edge edge);
/// The same edge in the terms of QWindow::startSystemResize(); none for NoEdge.
KWCONTROLS_EXPORT Qt::Edges systemEdges(Edge edge);

/// `source` with the sides of `edge` moved to the pointer at `globalPos`.
///
/// Sides that would cross leave the source as it is; below the minimum the dragged side stays
/// where it was. NoEdge gives the source.
KWCONTROLS_EXPORT QRect resized(const QRect &source, Edge edge, const QPoint &globalPos, const QSize &minimum);

/// Where the pointer should hold a maximised window after it shrinks back under a drag.
///
/// The window was `maximizedWidth` wide, becomes `normalWidth` wide, and the drag gripped it
/// `gripX` pixels from its left. Near the left (the first 30 %) the grip keeps the same pixel
/// offset, near the right (the last 30 %) the same distance to the right edge, and in between the
/// same fraction of the width. Returns the new offset from the left.
KWCONTROLS_EXPORT int restoredGripX(int gripX, int maximizedWidth, int normalWidth);

} // namespace FrameGeometry
