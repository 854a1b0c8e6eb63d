#pragma once

/// \file
/// FrameLessWidget: a top-level widget without system frame.

#include "window/basewidget.h"

class FramelessHelper;

/// A top-level widget without system frame, moved by its top 30 pixels and resized by its edges.
///
/// The constructor makes it frameless through FramelessHelper::makeFrameless(); subclasses build
/// their content in createWg() and adjust the helper through framelessHelper.
///
/// Ownership: as any QWidget; the helper is its child. Threading: GUI thread only.
/// \ingroup window
class KWCONTROLS_EXPORT FrameLessWidget : public BaseWidget
{
    Q_OBJECT

public:
    /// A frameless widget under `parent` whose path on the bus is `name`.
    explicit FrameLessWidget(BaseWidget *parent = 0, QString name = "");
    /// Takes the frameless helper off the widget, then destroys the widget.
    ~FrameLessWidget() override;

    /// Subclasses build their content here; the constructor leaves it to them, and this version
    /// does nothing.
    virtual void createWg();

protected:
    /// The helper that moves and resizes the widget; a child of it.
    FramelessHelper *framelessHelper;
};
