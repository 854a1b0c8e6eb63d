#pragma once

#include "window/basewidget.h"

class FramelessHelper;
class QVBoxLayout;
class TitleBar;

// A frameless window with a title bar on top; movable and resizable once create() has run.
class KWCONTROLS_EXPORT FrameWidget : public BaseWidget
{
    Q_OBJECT

public:
    explicit FrameWidget(BaseWidget *parent = 0, QString name = "");
    ~FrameWidget() override;

    // Lays the window out and starts moving and resizing it; call once after construction.
    virtual void create();

protected:
    FramelessHelper *framelessHelper;
    TitleBar *titleBar;
    QVBoxLayout *mainLayout;
};
