#include "charttools/spinarrowstyle_p.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QStyleFactory>
#include <QStyleOption>

SpinArrowStyle::SpinArrowStyle(QStyle *base)
    : QProxyStyle(base)
{
}

SpinArrowStyle *SpinArrowStyle::instance()
{
    static QPointer<SpinArrowStyle> style;
    if (!style) {
        // A style of the application's kind when it is known by name; without one (a style
        // sheet hides the name) QProxyStyle falls back to the platform's style.
        style = new SpinArrowStyle(QStyleFactory::create(QApplication::style()->objectName()));
        style->setParent(qApp);
    }
    return style;
}

void SpinArrowStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                                   const QWidget *widget) const
{
    if (element != PE_IndicatorSpinUp && element != PE_IndicatorSpinDown) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    // A triangle 7 x 4 pixels about the middle of the button, in the button's text colour,
    // faded when the value cannot move that way.
    QColor color = option->palette.color(QPalette::ButtonText);
    if (!(option->state & State_Enabled))
        color.setAlphaF(0.35);
    const QPointF c = QRectF(option->rect).center();
    const qreal dy = element == PE_IndicatorSpinUp ? -2 : 2;
    QPainterPath arrow;
    arrow.moveTo(c.x() - 3.5, c.y() - dy);
    arrow.lineTo(c.x() + 3.5, c.y() - dy);
    arrow.lineTo(c.x(), c.y() + dy);
    arrow.closeSubpath();
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->fillPath(arrow, color);
    painter->restore();
}
