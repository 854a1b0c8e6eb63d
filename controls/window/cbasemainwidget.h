#pragma once

#include "window/basewidget.h"

#include <QRect>

// The base of frameless main windows: moves by a clickable area given by the owner, resizes by
// its edges with matching cursors, and maximises onto the screen's available area on a double
// click. The clickable rectangle's left and top are insets; with zero width or height it
// follows the window's width or height.
class KWCONTROLS_EXPORT CBaseMainWidget : public BaseWidget
{
    Q_OBJECT

public:
    explicit CBaseMainWidget(QWidget *parent = 0, QString name = "", const QRect &clickableRect = QRect());

    bool IsMaximized();

public slots:
    // Toggles between the available area of the screen and the geometry from before.
    void OnShowMaximized();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void switchNormalMaximize();
    bool isPosInClickableRect(const QPoint &pos);
    void resizeWidget(const QPoint &globalPos);
    int setCursorStyle(const QPoint &pos);
    void setWidgetGeometry(const QRect &rect);
    void moveWidget(const QPoint &globalPos);

    int borderWidth = 3;
    QRect clickableRect;
    QPoint dragOffset;
    // Where the move started: the window follows only once the pointer has left the start
    // distance, so a click that trembles does not move it.
    QPoint pressGlobalPos;
    bool dragStarted = false;
    QRect savedNormalRect;
    bool moving = false;
    bool resizing = false;
    bool maximized = false;
    int edgeType = 0;
};
