#pragma once

/// \file
/// BaseWidget, the root of the library's widgets, and kwPaintStyleSheet().

#include "kwcontrols_export.h"
#include "bus/kwobject.h"

#include <QWidget>

/// Lets background, border and border-image rules of the style sheet paint on a plain widget
/// subclass, which QWidget itself only does for the classes Qt knows.
///
/// Call it first in the subclass's paintEvent(); it paints the style's widget primitive over the
/// whole widget.
/// \ingroup window
KWCONTROLS_EXPORT void kwPaintStyleSheet(QWidget *widget);

/// The root of the library's widgets: a QWidget that also joins the message bus under `name`.
///
/// The name is the widget's path on the bus (see KwObject); it is reached there once registered
/// with attachMessageBus() or setOwner(). Background, border and border-image rules of the style
/// sheet paint on subclasses too (see kwPaintStyleSheet()).
///
/// \code
/// auto *page = new BaseWidget(mainWindow, "quote");
/// page->setOwner(mainWindow);   // registered as "<main path>//quote"
/// \endcode
///
/// Ownership: as any QWidget, deleted by its Qt parent or its user; leaving the bus is part of
/// its destruction. Threading: GUI thread only.
/// \ingroup window
class KWCONTROLS_EXPORT BaseWidget : public QWidget, public KwObject
{
    Q_OBJECT

public:
    /// A widget under `parent` whose path on the bus is `name`.
    explicit BaseWidget(QWidget *parent = 0, QString name = "");
    /// Destroys the widget and takes it off the bus.
    ~BaseWidget() override;

protected:
    /// Paints the style sheet's background and border, then as QWidget does.
    void paintEvent(QPaintEvent *event) override;
};
