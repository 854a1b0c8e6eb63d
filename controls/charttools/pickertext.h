#pragma once

/// \file
/// The words the pickers use for what their pictures show, and kwDescribe() to attach them.

#include "kwcontrols_export.h"

#include <QString>
#include <Qt>

class QWidget;

/// The name of a pen style: "实线", "虚线", "点线", "点划线", "双点划线" for Qt::SolidLine to
/// Qt::DashDotDotLine; "无" for any other style.
/// \ingroup charttools
KWCONTROLS_EXPORT QString kwPenStyleName(Qt::PenStyle style);
/// The name of a pen width in pixels: "2 像素" for 2.
/// \ingroup charttools
KWCONTROLS_EXPORT QString kwPenWidthName(int width);

/// Gives a picture-only control the accessible name and tooltip it would otherwise lack.
///
/// A name or tooltip the client set itself is left alone; one set here is replaced when the
/// value it describes changes (the function remembers what it set in dynamic properties of
/// the widget).
/// \ingroup charttools
KWCONTROLS_EXPORT void kwDescribe(QWidget *widget, const QString &name, const QString &toolTip);
