#pragma once

/// \file
/// The small pictures the pickers show: sample lines and colour swatches.
///
/// Each is drawn for the device pixel ratio it is given, so it stays sharp on a scaled screen;
/// `size` is in device-independent pixels.

#include "kwcontrols_export.h"

#include <QColor>
#include <QLine>
#include <QPen>
#include <QPixmap>
#include <QSize>

// The small pictures the pickers show. Each is drawn for the device pixel ratio it is given,
// so it stays sharp on a scaled screen; `size` is in device-independent pixels.

/// Black or white, whichever reads better on `color`.
///
/// Black when the colour's perceived lightness (red, green and blue weighted 299, 587 and
/// 114 per thousand) is 128 or more, else white.
/// \ingroup charttools
KWCONTROLS_EXPORT QColor kwContrastColor(const QColor &color);

/// One line drawn with `pen` on a transparent pixmap of `size`, over a faint outline in the
/// contrasting shade, so a white line still reads on a light button and a black one on a dark
/// button. An empty size gives a null pixmap (nothing to paint on).
///
/// `line` is in the pixmap's device-independent coordinates; `dpr` is the device pixel ratio
/// to draw for (QWidget::devicePixelRatioF() of the widget that shows it).
/// \ingroup charttools
KWCONTROLS_EXPORT QPixmap kwSampleLine(const QSize &size, const QPen &pen, const QLine &line, qreal dpr = 1.0);

/// A swatch of `color` filling `size`, edged by one pixel in the contrasting shade, so white
/// shows on a white button and black on a black one. An empty size gives a null pixmap.
///
/// `dpr` is the device pixel ratio to draw for, as for kwSampleLine().
/// \ingroup charttools
KWCONTROLS_EXPORT QPixmap kwSwatch(const QSize &size, const QColor &color, qreal dpr = 1.0);
