#include "window/framelesshelper.h"

#include "kwqtcompat.h"
#include "window/windowstatemodel.h"

#include <QEvent>
#include <QHoverEvent>
#include <QMouseEvent>
#include <QRubberBand>
#include <QWidget>
#include <QWindow>

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
    case QEvent::MouseButtonPress: mousePress(static_cast<QMouseEvent *>(event)); break;
    case QEvent::MouseButtonRelease: mouseRelease(static_cast<QMouseEvent *>(event)); break;
    case QEvent::MouseMove: mouseMove(KwQt::globalPos(static_cast<QMouseEvent *>(event))); break;
    case QEvent::HoverMove:
        if (settings->resizable)
            updateCursor(widget->mapToGlobal(KwQt::pos(static_cast<QHoverEvent *>(event))));
        break;
    case QEvent::Leave:
        if (!leftButtonPressed)
            unsetCursor();
        break;
    default: break;
    }
}

void FramelessWidgetState::mousePress(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    leftButtonPressed = true;
    pressedInTitle = event->pos().y() < titleHeight;
    const QRect frame = widget->frameGeometry();
    const QPoint global = KwQt::globalPos(event);
    // A maximised window offers no edges, so a press there does what the pointer shows.
    pressEdges = isMaximizedOrFullScreen() ? EdgeHitFlags() : EdgeHitFlags::test(global, frame, borderWidth);
    dragOffset = global - frame.topLeft();
    rightDistance = frame.x() + frame.width() - global.x();
    pressRatio = double(global.x() - frame.x()) / frame.width();
    const bool useBand = pressEdges.onEdges ? settings->rubberBandOnResize : settings->rubberBandOnMove;
    if (useBand && rubberBand) {
        rubberBand->setGeometry(frame);
        rubberBand->show();
    }
    // From the press, so the window system resizes from the very pixel that was grabbed.
    if (settings->resizable && pressEdges.onEdges)
        handOverToSystem(true);
    moveStarted = false;
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
    return widget->isMaximized() || widget->isFullScreen() ||
           (widget->isWindow() && WindowStateModel::of(widget)->isMaximized());
}

bool FramelessWidgetState::handOverToSystem(bool resizing)
{
    QWindow *handle = widget->windowHandle();
    if (!settings->systemMoveResize || !handle ||
        (resizing ? settings->rubberBandOnResize : settings->rubberBandOnMove))
        return false;
    const bool taken =
            resizing ? handle->startSystemResize(FrameGeometry::systemEdges(FrameGeometry::edgeOf(pressEdges)))
                     : handle->startSystemMove();
    if (taken) {
        // The window system has the pointer until the release, which it keeps.
        leftButtonPressed = false;
        pressedInTitle = false;
        pressEdges = EdgeHitFlags();
    }
    return taken;
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
    const FrameGeometry::Edge edge = FrameGeometry::edgeOf(hoverEdges);
    if (edge == FrameGeometry::NoEdge) {
        if (cursorChanged)
            unsetCursor();
        return;
    }
    widget->setCursor(FrameGeometry::cursorFor(edge));
    cursorChanged = true;
}

void FramelessWidgetState::moveWidget(const QPoint &globalPos)
{
    if (settings->rubberBandOnMove && rubberBand) {
        rubberBand->move(globalPos - dragOffset);
        return;
    }
    if (isMaximizedOrFullScreen()) {
        // Shrinking back under the pointer, the window keeps it on the same part of the title.
        const int pressWidth = dragOffset.x() + rightDistance;
        const int normalWidth = WindowStateModel::of(widget)->normalGeometry().width();
        dragOffset.setX(FrameGeometry::restoredGripX(dragOffset.x(), pressWidth, normalWidth));
        WindowStateModel::of(widget)->restoreForDrag();
    }
    widget->move(globalPos - dragOffset);
    // At the first move, not the press, so clicks stay the window's own; the window is under
    // the pointer first and the window system goes on from there.
    if (!moveStarted) {
        moveStarted = true;
        handOverToSystem(false);
    }
}

void FramelessWidgetState::resizeWidget(const QPoint &globalPos)
{
    const bool onBand = settings->rubberBandOnResize && rubberBand;
    const QRect source = onBand ? rubberBand->frameGeometry() : widget->frameGeometry();
    const QRect target =
            FrameGeometry::resized(source, FrameGeometry::edgeOf(pressEdges), globalPos, widget->minimumSize());
    if (target == source)
        return;
    if (onBand)
        rubberBand->setGeometry(target);
    else
        widget->setGeometry(target);
}

FramelessHelper::FramelessHelper(QObject *parent)
    : QObject(parent)
    , m_settings(std::make_unique<FramelessSettings>())
{
}

FramelessHelper::~FramelessHelper()
{
    qDeleteAll(m_settings->widgets);
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
    auto *state = new FramelessWidgetState(m_settings.get(), widget);
    widget->setAttribute(Qt::WA_MouseTracking);
    widget->setAttribute(Qt::WA_Hover);
    state->updateRubberBand();
    m_settings->widgets.insert(widget, state);
    widget->installEventFilter(this);
    // Made now, so the window manager's maximising is seen from the start.
    if (widget->isWindow())
        WindowStateModel::of(widget);
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

void FramelessHelper::setSystemMoveResize(bool on)
{
    m_settings->systemMoveResize = on;
}

bool FramelessHelper::systemMoveResize()
{
    return m_settings->systemMoveResize;
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
    default: break;
    }
    return QObject::eventFilter(watched, event);
}

void FramelessHelper::updateRubberBands()
{
    for (FramelessWidgetState *state : qAsConst(m_settings->widgets))
        state->updateRubberBand();
}
