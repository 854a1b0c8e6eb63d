#pragma once
#include <QWidgetList>

class QRect;

// The keyboard's path through a window follows the reading order: widgets on one line from
// left to right, lines from top to bottom, and everything inside a box or panel before what
// comes after the box. Hidden, disabled and click-only widgets are not on the path.
namespace ReadingOrder {
// Whether a reader meets the rectangle `a` before `b`, two siblings: `a` ends above `b`, or
// the two share a band of lines and `a` starts further left. A widget as tall as two rows
// beside them is read before both when it stands on their left.
bool readsBefore(const QRect &a, const QRect &b);
// The widgets under `root` that Tab stops at, in reading order.
QWidgetList tabStops(QWidget *root);
// Puts those widgets into Qt's focus chain in that order.
void apply(QWidget *root);
} // namespace ReadingOrder
