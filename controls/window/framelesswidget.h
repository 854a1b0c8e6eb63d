#pragma once

#include "window/basewidget.h"

class FramelessHelper;

// A top-level widget without system frame, moved by its top 30 pixels and resized by its edges.
class KWCONTROLS_EXPORT FrameLessWidget : public BaseWidget
{
    Q_OBJECT

public:
    explicit FrameLessWidget(BaseWidget *parent = 0, QString name = "");
    ~FrameLessWidget() override;

    // Subclasses build their content here; the constructor leaves it to them.
    virtual void createWg();

protected:
    FramelessHelper *framelessHelper;
};
