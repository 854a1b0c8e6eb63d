#pragma once

/// \file
/// FrameWidget: a frameless window with a title bar on top.

#include "window/basewidget.h"

class FramelessHelper;
class QVBoxLayout;
class TitleBar;

/// A frameless window with a title bar on top; movable and resizable once create() has run.
///
/// The title bar's control box acts on this window, and its text follows the window title. The
/// body goes into mainLayout below the title bar.
///
/// \code
/// auto *window = new FrameWidget(nullptr, "frame");
/// window->create();
/// window->setWindowTitle("Quotes");
/// window->show();
/// \endcode
///
/// Ownership: as any QWidget; the helper and the title bar are its children, and so is the layout
/// once create() has set it. Threading: GUI thread only.
/// \ingroup window
class KWCONTROLS_EXPORT FrameWidget : public BaseWidget
{
    Q_OBJECT

public:
    /// A frameless window under `parent` whose path on the bus is `name`, with its title bar made.
    explicit FrameWidget(BaseWidget *parent = 0, QString name = "");
    /// Takes the frameless helper off the window, then destroys the window.
    ~FrameWidget() override;

    /// Lays the window out and starts moving and resizing it; call once after construction.
    ///
    /// Sizes the window to 800 by 600 pixels, puts the title bar and a stretch into mainLayout,
    /// and lets the window be moved by the title bar's height and resized by its edges.
    virtual void create();

protected:
    /// The helper that moves and resizes the window; a child of it.
    FramelessHelper *framelessHelper;
    /// The title bar on top; a child of the window.
    TitleBar *titleBar;
    /// The window's column: the title bar, then a stretch; set on the window by create().
    QVBoxLayout *mainLayout;
};
