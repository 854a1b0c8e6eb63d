#include "window/popupwndwithtitlestyle.h"

#include "window/basewidget.h"
#include "window/framelesshelper.h"
#include "window/titlebar.h"

#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

void kwFillBorderRing(QWidget *widget, int width, const QColor &color)
{
    const QRect outer = widget->rect();
    QPainterPath ring;
    ring.addRect(outer);
    QPainterPath inner;
    inner.addRect(outer.adjusted(width, width, -width, -width));
    QPainter painter(widget);
    painter.fillPath(ring.subtracted(inner), QBrush(color));
}

PopupWndWithTitleStyle::PopupWndWithTitleStyle()
    : titleFlags(WindowControlBox::ControlMin | WindowControlBox::ControlMax | WindowControlBox::ControlClose)
{
}

// The four objects are Qt children of the window and die with it.
PopupWndWithTitleStyle::~PopupWndWithTitleStyle() = default;

void PopupWndWithTitleStyle::setTitleFlags(const QFlags<WindowControlBox::ControlFlag> &flags)
{
    if (title)
        title->setControlFlags(flags);
    titleFlags = flags;
}

void PopupWndWithTitleStyle::setTitleFlag(const QFlags<WindowControlBox::ControlFlag> &flag, bool on)
{
    if (title)
        title->setControlFlag(flag, on);
    if (on)
        titleFlags |= flag;
    else
        titleFlags &= ~flag;
}

void PopupWndWithTitleStyle::setWindowsFlag(const WindowPopFlag &flag, bool on)
{
    popFlags.setFlag(flag, on);
}

void PopupWndWithTitleStyle::setWindowsFlags(const WindowPopFlags &flags)
{
    popFlags = flags;
}

void PopupWndWithTitleStyle::setTitle(TitleBar *title)
{
    this->title = title;
}

TitleBar *PopupWndWithTitleStyle::getTilte()
{
    return title;
}

void PopupWndWithTitleStyle::setCentralWidget(BaseWidget *body)
{
    centralWidget = body;
}

BaseWidget *PopupWndWithTitleStyle::getCentralWidget()
{
    return centralWidget;
}

void PopupWndWithTitleStyle::setTitleAndBodyInterval(int pixels)
{
    titleAndBodyInterval = pixels;
}

QColor PopupWndWithTitleStyle::getBkClr()
{
    return borderColor;
}

void PopupWndWithTitleStyle::setBkClr(QColor color)
{
    borderColor = color;
}

void PopupWndWithTitleStyle::createEx(QWidget *window)
{
    window->setWindowFlags(window->windowFlags() | Qt::FramelessWindowHint);
    window->setAttribute(Qt::WA_MouseTracking,
                         popFlags.testFlag(PopResizable) || popFlags.testFlag(PopRubberBandOnResize));
    if (!title) {
        title = new TitleBar(window, "");
        title->createTitleBar();
        title->setControlFlags(titleFlags);
    }
    if (!centralWidget)
        centralWidget = new BaseWidget(window, "");

    mainLayout = new QVBoxLayout(window);
    mainLayout->setSpacing(0);
    mainLayout->setContentsMargins(borderWidth, borderWidth, borderWidth, borderWidth);
    mainLayout->addWidget(title);
    mainLayout->addSpacing(titleAndBodyInterval);
    mainLayout->addWidget(centralWidget);

    framelessHelper = new FramelessHelper(window);
    framelessHelper->activateOn(window);
    framelessHelper->setTitleHeight(title->height());
    framelessHelper->setWidgetMovable(popFlags.testFlag(PopMovable));
    framelessHelper->setWidgetResizable(popFlags.testFlag(PopResizable));
    framelessHelper->setRubberBandOnMove(popFlags.testFlag(PopRubberBandOnMove));
    framelessHelper->setRubberBandOnResize(popFlags.testFlag(PopRubberBandOnResize));
}

void PopupWndWithTitleStyle::drawBorder(QWidget *window)
{
    kwFillBorderRing(window, borderWidth, borderColor);
}
