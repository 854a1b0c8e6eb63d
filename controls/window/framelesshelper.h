#pragma once

/// \file
/// FramelessHelper: moves and resizes frameless windows by hand.

#include "kwcontrols_export.h"
#include "window/framegeometry.h"

#include <QHash>
#include <QObject>
#include <QPoint>
#include <QRect>

#include <memory>

class QEvent;
class QMouseEvent;
class QRubberBand;
class QWidget;
class FramelessWidgetState;

/// What a frameless widget starts with until told otherwise.
/// \ingroup window
namespace FramelessDefaults {
constexpr int TitleHeight = 30; ///< The strip at the top that moves the window, in pixels.
constexpr int BorderWidth = 5; ///< The band along the edges that resizes it, in pixels.
} // namespace FramelessDefaults

/// Flags shared by a FramelessHelper and every widget it serves; read at event time.
///
/// The helper owns it and changes it through its setters; each FramelessWidgetState points to it.
/// \ingroup window
struct KWCONTROLS_EXPORT FramelessSettings
{
    /// The state of every widget the helper serves, by widget; the states are the helper's.
    QHash<QWidget *, FramelessWidgetState *> widgets;
    bool movable = true; ///< A drag of the title strip moves the widget.
    bool resizable = true; ///< A drag of an edge resizes the widget.
    bool rubberBandOnResize = false; ///< A resize drags a rubber band, followed on release.
    bool rubberBandOnMove = false; ///< A move drags a rubber band, followed on release.
    /// Moves and edge resizes go to the window system where it takes them.
    bool systemMoveResize = false;
};

/// What the helper remembers about one widget between the press and the release.
///
/// FramelessHelper makes one per widget it serves and hands it the widget's mouse events; client
/// code does not need it. Its fields are public for the helper's sake.
///
/// Ownership: owned by the helper; it owns its rubber band and neither the settings nor the
/// widget. Threading: GUI thread only.
/// \ingroup window
class KWCONTROLS_EXPORT FramelessWidgetState
{
public:
    /// The state of `widget`, following the flags in `settings`; no rubber band yet.
    FramelessWidgetState(FramelessSettings *settings, QWidget *widget);
    /// Deletes the rubber band.
    ~FramelessWidgetState();
    /// Not copyable: it belongs to one widget.
    FramelessWidgetState(const FramelessWidgetState &) = delete;
    /// Not assignable: it belongs to one widget.
    FramelessWidgetState &operator=(const FramelessWidgetState &) = delete;

    /// Moves, resizes or sets the cursor of the widget for one of its events.
    ///
    /// Takes the left button's press and release, mouse moves, hover moves and leaving; other
    /// events are ignored. The event itself is left alone.
    void handleEvent(QEvent *event);
    /// Creates or deletes the rubber band to match the two rubber-band flags.
    void updateRubberBand();

    /// The flags of the helper; not owned.
    FramelessSettings *settings;
    /// A top-level band that follows the pointer during a drag; null unless a rubber-band flag is
    /// on. Owned.
    QRubberBand *rubberBand = nullptr;
    /// The widget served; not owned.
    QWidget *widget;
    /// The pointer's position relative to the widget's top left corner at the press.
    QPoint dragOffset;
    /// The pointer's position at the press as a fraction of the widget's width.
    double pressRatio = 0;
    /// The pointer's distance to the widget's right edge at the press, in pixels.
    int rightDistance = 0;
    /// The edge zones the press lay in; none for a maximised or full-screen window.
    EdgeHitFlags pressEdges;
    /// The edge zones under the pointer when the cursor was last updated.
    EdgeHitFlags hoverEdges;
    /// Whether the left button is down on the widget (and the drag is not the window system's).
    bool leftButtonPressed = false;
    /// Whether the widget shows a resize cursor set by this state.
    bool cursorChanged = false;
    /// Whether the press lay in the title strip.
    bool pressedInTitle = false;
    /// The first move of a drag is offered to the window system; later ones are not.
    bool moveStarted = false;
    /// The height of the strip at the top that moves the widget, in pixels.
    int titleHeight = FramelessDefaults::TitleHeight;
    /// The width of the band along the edges that resizes the widget, in pixels.
    int borderWidth = FramelessDefaults::BorderWidth;

private:
    void mousePress(QMouseEvent *event);
    void mouseRelease(QMouseEvent *event);
    void mouseMove(const QPoint &globalPos);
    void updateCursor(const QPoint &globalPos);
    void unsetCursor();
    void moveWidget(const QPoint &globalPos);
    void resizeWidget(const QPoint &globalPos);
    bool isMaximizedOrFullScreen() const;
    bool handOverToSystem(bool resizing);
};

/// Moves a frameless top-level window by a strip along its top and resizes it by its edges.
///
/// It only watches events (as an event filter): the widget's own handlers still see every one of
/// them. The cursor shows the edge under the pointer; a maximised window offers no edges, and a
/// drag of its title strip restores it under the pointer. One helper may serve several widgets,
/// which share its flags.
///
/// \code
/// // All in one:
/// FramelessHelper *helper = FramelessHelper::makeFrameless(window);
///
/// // Or step by step:
/// auto *dialogHelper = new FramelessHelper(dialog);
/// dialog->setWindowFlags(dialog->windowFlags() | Qt::FramelessWindowHint);
/// dialogHelper->activateOn(dialog);
/// dialogHelper->setTitleHeight(40);   // for the widgets served now
/// dialogHelper->setWidgetResizable(false);
/// \endcode
///
/// Ownership: an ordinary QObject, usually a child of the window it serves; it owns the state of
/// each widget it serves, never the widgets. A widget destroyed first is forgotten.
///
/// Threading: GUI thread only.
/// \ingroup window
class KWCONTROLS_EXPORT FramelessHelper : public QObject
{
    Q_OBJECT

public:
    /// A helper that serves no widget yet; moves and resizes are on.
    explicit FramelessHelper(QObject *parent = nullptr);
    /// Forgets every widget it serves.
    ~FramelessHelper() override;

    /// Makes `window` frameless, tracking the mouse, and movable and resizable by a helper that
    /// it owns; returns the helper.
    static FramelessHelper *makeFrameless(QWidget *window);

    /// Starts serving `widget`: mouse tracking and hover events on, the helper as its event
    /// filter.
    ///
    /// The widget starts with the default title height and border width (FramelessDefaults).
    /// A widget served already is left as it is. A top-level widget gets its WindowStateModel
    /// now, so a maximising by the window manager is seen from the start.
    void activateOn(QWidget *widget);
    /// Stops serving `widget`; nothing happens when it is not served.
    void removeFrom(QWidget *widget);

    /// Sets whether a drag of the title strip moves the widgets.
    void setWidgetMovable(bool movable);
    /// Whether a drag of the title strip moves the widgets; true by default.
    bool widgetMovable();
    /// Sets whether a drag of an edge resizes the widgets (and the cursor shows the edges).
    void setWidgetResizable(bool resizable);
    /// Whether a drag of an edge resizes the widgets; true by default.
    bool widgetResizable();
    /// Sets whether a move drags a rubber band instead of the widget, which jumps there on
    /// release.
    void setRubberBandOnMove(bool movable);
    /// Whether a move drags a rubber band; false by default.
    bool rubberBandOnMove();
    /// Sets whether a resize drags a rubber band instead of the widget's edge, which follows on
    /// release.
    void setRubberBandOnResize(bool resizable);
    /// Whether a resize drags a rubber band; false by default.
    bool rubberBandOnResisze();
    /// Sets the width of the band along the edges that resizes the widgets served now; 0 is
    /// ignored.
    void setBorderWidth(unsigned int width);
    /// The border width last set, or FramelessDefaults::BorderWidth.
    unsigned int borderWidth();
    /// Sets the height of the strip at the top that moves the widgets served now; 0 is ignored.
    void setTitleHeight(unsigned int height);
    /// The title height last set, or FramelessDefaults::TitleHeight.
    unsigned int titleHeight();
    /// Hands moves and edge resizes to the window system where it can take them; off by default.
    ///
    /// When on, moves by the title strip and resizes by the edges go to the window system through
    /// QWindow::startSystemMove() and QWindow::startSystemResize(): the system's snapping, moves
    /// across screens, Wayland. Elsewhere the helper does them. A rubber band asked for keeps the
    /// drag with the helper.
    void setSystemMoveResize(bool on);
    /// Whether moves and resizes go to the window system where it can take them.
    bool systemMoveResize();

protected:
    /// Hands the mouse, hover and leave events of the widgets served to their state; never stops
    /// an event.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void updateRubberBands();

    // Until a setter accepts a value, report what every widget starts with.
    unsigned int m_borderWidth = FramelessDefaults::BorderWidth;
    unsigned int m_titleHeight = FramelessDefaults::TitleHeight;
    std::unique_ptr<FramelessSettings> m_settings;
};
