#pragma once

#include <QProxyStyle>

// The style the chart dialogs give their spin boxes. A style sheet that pads a spin box leaves
// its buttons a few pixels wide, too narrow for the common style to draw an arrow in, and the
// buttons come out blank. This style draws the arrow whenever a style sheet leaves the glyph to
// the base style; a sheet that supplies its own arrow images never asks for one, and without
// a sheet the native style draws its own buttons, so either look stays as it was.
class SpinArrowStyle : public QProxyStyle
{
    Q_OBJECT

public:
    // One shared instance, owned by the application.
    static SpinArrowStyle *instance();

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;

private:
    explicit SpinArrowStyle(QStyle *base);
};
