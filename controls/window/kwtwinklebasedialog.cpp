#include "window/kwtwinklebasedialog.h"

#include "window/popupwndwithtitlestyle.h"

#include <QEvent>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#endif

KwTwinkleBaseDialog::KwTwinkleBaseDialog(QWidget *parent, QString name)
    : BaseDialog(parent, name)
{
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_MouseTracking);
}

QColor KwTwinkleBaseDialog::activeColor() const
{
    return m_activeColor;
}

void KwTwinkleBaseDialog::setActiveColor(const QColor &color)
{
    m_activeColor = color;
}

QColor KwTwinkleBaseDialog::deActiveColor() const
{
    return m_deActiveColor;
}

void KwTwinkleBaseDialog::setDeActiveColor(const QColor &color)
{
    m_deActiveColor = color;
}

int KwTwinkleBaseDialog::getBorderWidth() const
{
    return borderWidth;
}

void KwTwinkleBaseDialog::setBorderWidth(int width)
{
    borderWidth = width;
}

// A pop-up never becomes the active window: it takes the input while the window beneath stays
// active, so no activation ever reaches it. While it shows it is the window in use all the same.
bool KwTwinkleBaseDialog::isActived() const
{
    return actived || (windowType() == Qt::Popup && isVisible());
}

void KwTwinkleBaseDialog::setActived(bool actived)
{
    this->actived = actived;
    update();
}

// Windows tells a window without system frame about its activation, and about every flash,
// only through WM_NCACTIVATE; the message goes on to the system's own handling.
bool KwTwinkleBaseDialog::nativeEvent(const QByteArray &eventType, void *message, KwQt::NativeEventResult *result)
{
#ifdef Q_OS_WIN
    const MSG *msg = static_cast<const MSG *>(message);
    if (eventType == "windows_generic_MSG" && msg->message == WM_NCACTIVATE &&
        msg->hwnd == reinterpret_cast<HWND>(winId()))
        setActived(msg->wParam != 0);
#endif
    return QWidget::nativeEvent(eventType, message, result);
}

// Elsewhere the activation Qt reports is the only source there is.
void KwTwinkleBaseDialog::changeEvent(QEvent *event)
{
#ifndef Q_OS_WIN
    if (event->type() == QEvent::ActivationChange)
        setActived(isActiveWindow());
#endif
    BaseDialog::changeEvent(event);
}

void KwTwinkleBaseDialog::drawTwinkleRing()
{
    kwFillBorderRing(this, borderWidth, isActived() ? m_activeColor : m_deActiveColor);
}

void KwTwinkleBaseDialog::paintEvent(QPaintEvent *event)
{
    drawTwinkleRing();
    QWidget::paintEvent(event);
}
