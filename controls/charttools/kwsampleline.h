#pragma once

#include "kwcontrols_export.h"

#include <QColor>
#include <QLine>
#include <QPen>
#include <QPixmap>
#include <QSize>

// The small pictures the pickers show. Each is drawn for the device pixel ratio it is given,
// so it stays sharp on a scaled screen; `size` is in device-independent pixels.

// Black or white, whichever reads better on `color`.
KWCONTROLS_EXPORT QColor kwContrastColor(const QColor &color);

// One line drawn with `pen` on a transparent pixmap of `size`, over a faint outline in the
// contrasting shade, so a white line still reads on a light button and a black one on a dark
// button. An empty size gives a null pixmap (nothing to paint on).
KWCONTROLS_EXPORT QPixmap kwSampleLine(const QSize &size, const QPen &pen, const QLine &line, qreal dpr = 1.0);

// A swatch of `color` filling `size`, edged by one pixel in the contrasting shade, so white
// shows on a white button and black on a black one. An empty size gives a null pixmap.
KWCONTROLS_EXPORT QPixmap kwSwatch(const QSize &size, const QColor &color, qreal dpr = 1.0);
