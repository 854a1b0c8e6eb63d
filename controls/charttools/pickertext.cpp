#include "charttools/pickertext.h"

#include <QCoreApplication>
#include <QVariant>
#include <QWidget>

namespace {
const char *const ownName = "_kw_describedName";
const char *const ownToolTip = "_kw_describedToolTip";

// True when `current` is empty or is what this library put there last.
bool isOurs(const QWidget *widget, const char *property, const QString &current)
{
    return current.isEmpty() || current == widget->property(property).toString();
}
} // namespace

QString kwPenStyleName(Qt::PenStyle style)
{
    switch (style) {
    case Qt::SolidLine: return QCoreApplication::translate("PickerText", "实线");
    case Qt::DashLine: return QCoreApplication::translate("PickerText", "虚线");
    case Qt::DotLine: return QCoreApplication::translate("PickerText", "点线");
    case Qt::DashDotLine: return QCoreApplication::translate("PickerText", "点划线");
    case Qt::DashDotDotLine: return QCoreApplication::translate("PickerText", "双点划线");
    default: return QCoreApplication::translate("PickerText", "无");
    }
}

QString kwPenWidthName(int width)
{
    return QCoreApplication::translate("PickerText", "%1 像素").arg(width);
}

void kwDescribe(QWidget *widget, const QString &name, const QString &toolTip)
{
    if (isOurs(widget, ownName, widget->accessibleName())) {
        widget->setAccessibleName(name);
        widget->setProperty(ownName, name);
    }
    if (isOurs(widget, ownToolTip, widget->toolTip())) {
        widget->setToolTip(toolTip);
        widget->setProperty(ownToolTip, toolTip);
    }
}
