#pragma once

#include "kwcontrols_export.h"

#include <QPoint>
#include <QRect>
#include <QSize>

// How a frameless window is resized and moved by hand: which edge zone a point lies in, the
// cursor each zone shows, the rectangle a drag of an edge gives, and where the pointer grips a
// maximised window shrinking back under it. FramelessHelper and CBaseMainWidget both follow
// these rules, so every frameless window of the library handles alike.

// Which edge zones a point lies in. The zones are borderWidth + 1 pixels wide and the right
// and bottom ones reach one pixel beyond the rectangle, so a pointer resting on the very last
// pixel of a window (or just off it) still grabs the edge.
struct KWCONTROLS_EXPORT EdgeHitFlags
{
    bool onEdges = false;
    bool onLeftEdge = false;
    bool onRightEdge = false;
    bool onTopEdge = false;
    bool onBottomEdge = false;
    bool onTopLeftEdge = false;
    bool onBottomLeftEdge = false;
    bool onTopRightEdge = false;
    bool onBottomRightEdge = false;

    static EdgeHitFlags test(const QPoint &pos, const QRect &frame, int borderWidth);
};

namespace FrameGeometry {

// The side or corner a drag moves; the values are CBaseMainWidget's edge types.
enum Edge { NoEdge, Left, Right, Top, Bottom, TopLeft, BottomRight, TopRight, BottomLeft };

// A corner wins over its sides; in a window too narrow for two zones the left and top win.
KWCONTROLS_EXPORT Edge edgeOf(const EdgeHitFlags &hit);
KWCONTROLS_EXPORT Edge edgeAt(const QPoint &pos, const QRect &frame, int borderWidth);
// The arrow for NoEdge.
KWCONTROLS_EXPORT Qt::CursorShape cursorFor(Edge edge);
// The same edge in the terms of QWindow::startSystemResize.
KWCONTROLS_EXPORT Qt::Edges systemEdges(Edge edge);

// `source` with the sides of `edge` moved to the pointer. Sides that would cross leave the
// source as it is; below the minimum the dragged side stays where it was.
KWCONTROLS_EXPORT QRect resized(const QRect &source, Edge edge, const QPoint &globalPos, const QSize &minimum);

// Where the pointer should hold a maximised window of `maximizedWidth` after it shrinks to
// `normalWidth` under a drag that gripped it `gripX` pixels from its left: near the left by the
// same pixel offset, near the right by the same distance to the right edge, and in between at
// the same fraction of the width.
KWCONTROLS_EXPORT int restoredGripX(int gripX, int maximizedWidth, int normalWidth);

} // namespace FrameGeometry
