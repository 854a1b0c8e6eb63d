#pragma once

#include "kwcontrols_export.h"

#include <QLine>
#include <QPen>
#include <QPixmap>
#include <QSize>

// The picture every line picker shows: one line drawn with `pen` on a transparent pixmap of
// `size`. An empty size gives a null pixmap (nothing to paint on).
KWCONTROLS_EXPORT QPixmap kwSampleLine(const QSize &size, const QPen &pen, const QLine &line);
