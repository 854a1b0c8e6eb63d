#pragma once

#include "kwcontrols_export.h"
#include "window/framegeometry.h"

#include <QHash>
#include <QObject>
#include <QPoint>
#include <QRect>

class QEvent;
class QMouseEvent;
class QRubberBand;
class QWidget;
class FramelessWidgetState;

// What a frameless widget starts with until told otherwise.
namespace FramelessDefaults {
constexpr int TitleHeight = 30;   // the strip at the top that moves the window
constexpr int BorderWidth = 5;    // the band along the edges that resizes it
}

// Flags shared by the helper and every widget it serves; read at event time.
struct KWCONTROLS_EXPORT FramelessSettings
{
    QHash<QWidget *, FramelessWidgetState *> widgets;
    bool movable = true;
    bool resizable = true;
    bool rubberBandOnResize = false;
    bool rubberBandOnMove = false;
    // Moves and edge resizes go to the window system where it takes them.
    bool systemMoveResize = false;
};

// What the helper remembers about one widget between the press and the release.
class KWCONTROLS_EXPORT FramelessWidgetState
{
public:
    FramelessWidgetState(FramelessSettings *settings, QWidget *widget);
    ~FramelessWidgetState();
    FramelessWidgetState(const FramelessWidgetState &) = delete;
    FramelessWidgetState &operator=(const FramelessWidgetState &) = delete;

    void handleEvent(QEvent *event);
    // Creates or deletes the rubber band to match the two rubber-band flags.
    void updateRubberBand();

    FramelessSettings *settings;
    QRubberBand *rubberBand = nullptr;
    QWidget *widget;
    QPoint dragOffset;
    double pressRatio = 0;
    int rightDistance = 0;
    EdgeHitFlags pressEdges;
    EdgeHitFlags hoverEdges;
    bool leftButtonPressed = false;
    bool cursorChanged = false;
    bool pressedInTitle = false;
    // The first move of a drag is offered to the window system; later ones are not.
    bool moveStarted = false;
    int titleHeight = FramelessDefaults::TitleHeight;
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

// Moves a frameless top-level window by a strip along its top and resizes it by its edges.
// It only watches events: the widget's own handlers still see every one of them.
class KWCONTROLS_EXPORT FramelessHelper : public QObject
{
    Q_OBJECT

public:
    explicit FramelessHelper(QObject *parent = nullptr);
    ~FramelessHelper() override;

    // Makes `window` frameless, tracking the mouse, and movable and resizable by a helper that
    // it owns; returns the helper.
    static FramelessHelper *makeFrameless(QWidget *window);

    void activateOn(QWidget *widget);
    void removeFrom(QWidget *widget);

    void setWidgetMovable(bool movable);
    bool widgetMovable();
    void setWidgetResizable(bool resizable);
    bool widgetResizable();
    void setRubberBandOnMove(bool movable);
    bool rubberBandOnMove();
    void setRubberBandOnResize(bool resizable);
    bool rubberBandOnResisze();
    void setBorderWidth(unsigned int width);
    unsigned int borderWidth();
    void setTitleHeight(unsigned int height);
    unsigned int titleHeight();
    // Off by default. When on, moves by the title strip and resizes by the edges are handed to
    // the window system where it can take them (QWindow::startSystemMove/startSystemResize):
    // the system's snapping, moves across screens, Wayland. Elsewhere the helper does them.
    // A rubber band asked for keeps the drag with the helper.
    void setSystemMoveResize(bool on);
    bool systemMoveResize();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void updateRubberBands();

    // Until a setter accepts a value, report what every widget starts with.
    unsigned int m_borderWidth = FramelessDefaults::BorderWidth;
    unsigned int m_titleHeight = FramelessDefaults::TitleHeight;
    FramelessSettings *m_settings;
};
