#include "window/framelesshelper.h"

#include <QEvent>
#include <QHoverEvent>
#include <QMouseEvent>
#include <QRubberBand>
#include <QWidget>

EdgeHitFlags EdgeHitFlags::test(const QPoint &globalPos, const QRect &frame, int borderWidth)
{
    const int x = globalPos.x();
    const int y = globalPos.y();
    EdgeHitFlags hit;
    hit.onLeftEdge = x >= frame.x() && x <= frame.x() + borderWidth;
    hit.onRightEdge = x >= frame.x() + frame.width() - borderWidth && x <= frame.x() + frame.width();
    hit.onTopEdge = y >= frame.y() && y <= frame.y() + borderWidth;
    hit.onBottomEdge = y >= frame.y() + frame.height() - borderWidth && y <= frame.y() + frame.height();
    hit.onTopLeftEdge = hit.onTopEdge && hit.onLeftEdge;
    hit.onBottomLeftEdge = hit.onBottomEdge && hit.onLeftEdge;
    hit.onTopRightEdge = hit.onTopEdge && hit.onRightEdge;
    hit.onBottomRightEdge = hit.onBottomEdge && hit.onRightEdge;
    hit.onEdges = hit.onLeftEdge || hit.onRightEdge || hit.onTopEdge || hit.onBottomEdge;
    return hit;
}

FramelessWidgetState::FramelessWidgetState(FramelessSettings *settings, QWidget *widget)
    : settings(settings)
    , widget(widget)
{
}

FramelessWidgetState::~FramelessWidgetState()
{
    delete rubberBand;
}

void FramelessWidgetState::updateRubberBand()
{
    if (!settings->rubberBandOnMove && !settings->rubberBandOnResize) {
        delete rubberBand;
        rubberBand = nullptr;
    } else if (!rubberBand) {
        // Top-level, so the band can follow the pointer outside the window.
        rubberBand = new QRubberBand(QRubberBand::Rectangle);
    }
}

void FramelessWidgetState::handleEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        mousePress(static_cast<QMouseEvent *>(event));
        break;
    case QEvent::MouseButtonRelease:
        mouseRelease(static_cast<QMouseEvent *>(event));
        break;
    case QEvent::MouseMove:
        mouseMove(static_cast<QMouseEvent *>(event)->globalPos());
        break;
    case QEvent::HoverMove:
        if (settings->resizable)
            updateCursor(widget->mapToGlobal(static_cast<QHoverEvent *>(event)->pos()));
        break;
    case QEvent::Leave:
        if (!leftButtonPressed)
            unsetCursor();
        break;
    default:
        break;
    }
}

void FramelessWidgetState::mousePress(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    leftButtonPressed = true;
    pressedInTitle = event->pos().y() < titleHeight;
    const QRect frame = widget->frameGeometry();
    const QPoint global = event->globalPos();
    pressEdges = EdgeHitFlags::test(global, frame, borderWidth);
    dragOffset = global - frame.topLeft();
    rightDistance = frame.x() + frame.width() - global.x();
    pressRatio = double(global.x() - frame.x()) / frame.width();
    const bool useBand = pressEdges.onEdges ? settings->rubberBandOnResize : settings->rubberBandOnMove;
    if (useBand && rubberBand) {
        rubberBand->setGeometry(frame);
        rubberBand->show();
    }
}

void FramelessWidgetState::mouseRelease(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    leftButtonPressed = false;
    pressedInTitle = false;
    pressEdges = EdgeHitFlags();
    if (rubberBand && rubberBand->isVisible()) {
        rubberBand->hide();
        widget->setGeometry(rubberBand->geometry());
    }
}

void FramelessWidgetState::mouseMove(const QPoint &globalPos)
{
    if (!leftButtonPressed) {
        if (settings->resizable)
            updateCursor(globalPos);
    } else if (settings->resizable && pressEdges.onEdges) {
        resizeWidget(globalPos);
    } else if (settings->movable && pressedInTitle) {
        moveWidget(globalPos);
    }
}

bool FramelessWidgetState::isMaximizedOrFullScreen() const
{
    return widget->isMaximized() || widget->isFullScreen();
}

void FramelessWidgetState::unsetCursor()
{
    widget->unsetCursor();
    cursorChanged = false;
}

void FramelessWidgetState::updateCursor(const QPoint &globalPos)
{
    if (isMaximizedOrFullScreen()) {
        if (cursorChanged)
            unsetCursor();
        return;
    }
    hoverEdges = EdgeHitFlags::test(globalPos, widget->frameGeometry(), borderWidth);
    Qt::CursorShape shape;
    if (hoverEdges.onTopLeftEdge || hoverEdges.onBottomRightEdge)
        shape = Qt::SizeFDiagCursor;
    else if (hoverEdges.onBottomLeftEdge || hoverEdges.onTopRightEdge)
        shape = Qt::SizeBDiagCursor;
    else if (hoverEdges.onLeftEdge || hoverEdges.onRightEdge)
        shape = Qt::SizeHorCursor;
    else if (hoverEdges.onTopEdge || hoverEdges.onBottomEdge)
        shape = Qt::SizeVerCursor;
    else {
        if (cursorChanged)
            unsetCursor();
        return;
    }
    widget->setCursor(shape);
    cursorChanged = true;
}

void FramelessWidgetState::moveWidget(const QPoint &globalPos)
{
    if (settings->rubberBandOnMove && rubberBand) {
        rubberBand->move(globalPos - dragOffset);
        return;
    }
    const QRect normal = widget->normalGeometry();
    if (isMaximizedOrFullScreen()) {
        // Keep the pointer on the same part of the title once the window shrinks back: near
        // the left by its pixel offset, near the right by its distance to the right edge, and
        // in between at the same fraction of the width.
        if (pressRatio >= 0.7)
            dragOffset.setX(normal.width() - rightDistance);
        else if (pressRatio > 0.3)
            dragOffset.setX(int(normal.width() * pressRatio));
    }
    widget->resize(normal.size());
    widget->showNormal();
    widget->move(globalPos - dragOffset);
}

void FramelessWidgetState::resizeWidget(const QPoint &globalPos)
{
    const bool onBand = settings->rubberBandOnResize && rubberBand;
    const QRect source = onBand ? rubberBand->frameGeometry() : widget->frameGeometry();
    QRect target = source;
    const EdgeHitFlags &e = pressEdges;
    if (e.onTopLeftEdge) {
        target.setLeft(globalPos.x());
        target.setTop(globalPos.y());
    } else if (e.onBottomLeftEdge) {
        target.setLeft(globalPos.x());
        target.setBottom(globalPos.y());
    } else if (e.onTopRightEdge) {
        target.setRight(globalPos.x());
        target.setTop(globalPos.y());
    } else if (e.onBottomRightEdge) {
        target.setRight(globalPos.x());
        target.setBottom(globalPos.y());
    } else if (e.onLeftEdge) {
        target.setLeft(globalPos.x());
    } else if (e.onRightEdge) {
        target.setRight(globalPos.x());
    } else if (e.onTopEdge) {
        target.setTop(globalPos.y());
    } else {
        target.setBottom(globalPos.y());
    }
    if (target.left() > target.right() || target.top() > target.bottom())
        return;

    // Below the minimum the side that was dragged stays where it was.
    const QSize minimum = widget->minimumSize();
    if (target.width() < minimum.width()) {
        if (target.left() == source.left())
            target.setRight(source.right());
        else
            target.setLeft(source.left());
    }
    if (target.height() < minimum.height()) {
        if (target.top() == source.top())
            target.setBottom(source.bottom());
        else
            target.setTop(source.top());
    }

    if (onBand)
        rubberBand->setGeometry(target);
    else
        widget->setGeometry(target);
}

FramelessHelper::FramelessHelper(QObject *parent)
    : QObject(parent)
    , m_settings(new FramelessSettings)
{
}

FramelessHelper::~FramelessHelper()
{
    qDeleteAll(m_settings->widgets);
    delete m_settings;
}

FramelessHelper *FramelessHelper::makeFrameless(QWidget *window)
{
    window->setWindowFlags(window->windowFlags() | Qt::FramelessWindowHint);
    window->setAttribute(Qt::WA_MouseTracking);
    auto *helper = new FramelessHelper(window);
    helper->activateOn(window);
    helper->setWidgetMovable(true);
    helper->setWidgetResizable(true);
    return helper;
}

void FramelessHelper::activateOn(QWidget *widget)
{
    if (m_settings->widgets.contains(widget))
        return;
    auto *state = new FramelessWidgetState(m_settings, widget);
    widget->setAttribute(Qt::WA_MouseTracking);
    widget->setAttribute(Qt::WA_Hover);
    state->updateRubberBand();
    m_settings->widgets.insert(widget, state);
    widget->installEventFilter(this);
    // A widget may die before the helper (a child the helper was put on, or any widget when
    // the helper has another parent): its state goes with it, and its address, which a new
    // widget may take, is no longer known.
    connect(widget, &QObject::destroyed, this, [this, widget] { delete m_settings->widgets.take(widget); });
}

void FramelessHelper::removeFrom(QWidget *widget)
{
    FramelessWidgetState *state = m_settings->widgets.take(widget);
    if (!state)
        return;
    disconnect(widget, &QObject::destroyed, this, nullptr);
    widget->removeEventFilter(this);
    delete state;
}

void FramelessHelper::setWidgetMovable(bool movable)
{
    m_settings->movable = movable;
}

bool FramelessHelper::widgetMovable()
{
    return m_settings->movable;
}

void FramelessHelper::setWidgetResizable(bool resizable)
{
    m_settings->resizable = resizable;
}

bool FramelessHelper::widgetResizable()
{
    return m_settings->resizable;
}

void FramelessHelper::setRubberBandOnMove(bool movable)
{
    m_settings->rubberBandOnMove = movable;
    updateRubberBands();
}

bool FramelessHelper::rubberBandOnMove()
{
    return m_settings->rubberBandOnMove;
}

void FramelessHelper::setRubberBandOnResize(bool resizable)
{
    m_settings->rubberBandOnResize = resizable;
    updateRubberBands();
}

bool FramelessHelper::rubberBandOnResisze()
{
    return m_settings->rubberBandOnResize;
}

void FramelessHelper::setBorderWidth(unsigned int width)
{
    if (width == 0)
        return;
    m_borderWidth = width;
    for (FramelessWidgetState *state : qAsConst(m_settings->widgets))
        state->borderWidth = int(width);
}

unsigned int FramelessHelper::borderWidth()
{
    return m_borderWidth;
}

void FramelessHelper::setTitleHeight(unsigned int height)
{
    if (height == 0)
        return;
    m_titleHeight = height;
    for (FramelessWidgetState *state : qAsConst(m_settings->widgets))
        state->titleHeight = int(height);
}

unsigned int FramelessHelper::titleHeight()
{
    return m_titleHeight;
}

bool FramelessHelper::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove:
    case QEvent::Leave:
    case QEvent::HoverMove:
        if (!m_settings->widgets.isEmpty() && watched->isWidgetType()) {
            if (FramelessWidgetState *state = m_settings->widgets.value(static_cast<QWidget *>(watched)))
                state->handleEvent(event);
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void FramelessHelper::updateRubberBands()
{
    for (FramelessWidgetState *state : qAsConst(m_settings->widgets))
        state->updateRubberBand();
}
