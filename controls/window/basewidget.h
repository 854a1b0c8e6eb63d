#pragma once

#include "kwcontrols_export.h"
#include "bus/kwobject.h"

#include <QWidget>

// Lets background, border and border-image rules of the style sheet paint on a plain widget
// subclass, which QWidget itself only does for the classes Qt knows.
KWCONTROLS_EXPORT void kwPaintStyleSheet(QWidget *widget);

// The root of the library's widgets: a QWidget that also joins the message bus under `name`.
class KWCONTROLS_EXPORT BaseWidget : public QWidget, public KwObject
{
    Q_OBJECT

public:
    explicit BaseWidget(QWidget *parent = 0, QString name = "");
    ~BaseWidget() override;

protected:
    void paintEvent(QPaintEvent *event) override;
};
