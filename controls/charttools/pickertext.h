#pragma once

#include "kwcontrols_export.h"

#include <QString>
#include <Qt>

class QWidget;

// The words the pickers use for what their pictures show.

// "实线", "虚线", "点线", "点划线", "双点划线"; "无" for any other style.
KWCONTROLS_EXPORT QString kwPenStyleName(Qt::PenStyle style);
// "2 像素".
KWCONTROLS_EXPORT QString kwPenWidthName(int width);

// Gives a picture-only control the accessible name and tooltip it would otherwise lack. A
// name or tooltip the client set itself is left alone; one set here is replaced when the
// value it describes changes.
KWCONTROLS_EXPORT void kwDescribe(QWidget *widget, const QString &name, const QString &toolTip);
