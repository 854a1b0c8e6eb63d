#pragma once

/// \file
/// PopupWndWithTitleStyle, the recipe of the library's popups, and kwFillBorderRing().

#include "kwcontrols_export.h"
#include "window/windowcontrolbox.h"

#include <QColor>
#include <QFlags>

class BaseWidget;
class FramelessHelper;
class QVBoxLayout;
class QWidget;
class TitleBar;

/// Fills the ring between the widget's rectangle and the same rectangle shrunk by `width` on
/// every side: frameless windows draw their own borders.
///
/// Paints on the widget, so call it from its paintEvent().
/// \ingroup window
KWCONTROLS_EXPORT void kwFillBorderRing(QWidget *widget, int width, const QColor &color);

/// The recipe of a popup: a title bar over a body, a thin coloured border, moved (and optionally
/// resized) by a frameless helper.
///
/// Configure it, then apply it once through createEx(), which the window classes call in their
/// createWg(): PopupWindow, PopupDialog and PopupTwinkleFrameDialog inherit it beside their Qt
/// base. By default the title bar has all three buttons, the popup moves by its title bar but
/// does not resize, and the border is 1 pixel of `#0c1215`.
///
/// \code
/// auto *popup = new PopupWindow(parent, "detail");
/// popup->setTitleFlags(WindowControlBox::ControlClose);
/// popup->setWindowsFlag(PopupWndWithTitleStyle::PopResizable, true);
/// popup->createWg();
/// popup->getTilte()->setWinTitle(tr("Detail"), Qt::AlignLeft | Qt::AlignVCenter);
/// auto *layout = new QVBoxLayout(popup->getCentralWidget());
/// layout->addWidget(table);
/// popup->show();
/// \endcode
///
/// Ownership: the title bar, the body, the helper and the layout are Qt children of the window
/// createEx() applies the recipe to, and die with it; a title bar or body given beforehand
/// becomes the window's child too. Threading: GUI thread only.
/// \ingroup window
class KWCONTROLS_EXPORT PopupWndWithTitleStyle
{
public:
    /// How the popup moves and resizes.
    enum WindowPopFlag {
        PopMovable = 0x1, ///< A drag of the title bar moves the popup.
        PopResizable = 0x2, ///< A drag of an edge resizes the popup.
        PopRubberBandOnMove = 0x4, ///< A move drags a rubber band, followed on release.
        PopRubberBandOnResize = 0x8, ///< A resize drags a rubber band, followed on release.
    };
    Q_DECLARE_FLAGS(WindowPopFlags, WindowPopFlag)

    /// The default recipe: all three title buttons, movable, a 1-pixel border.
    PopupWndWithTitleStyle();
    /// Does nothing: the parts are Qt children of the window and die with it.
    virtual ~PopupWndWithTitleStyle();

    /// Sets which buttons the title bar shows; a title bar made already follows at once.
    void setTitleFlags(const QFlags<WindowControlBox::ControlFlag> &flags);
    /// Shows (`on`) or hides the title bar buttons in `flag`; a title bar made already follows
    /// at once.
    void setTitleFlag(const QFlags<WindowControlBox::ControlFlag> &flag, bool on);
    /// Turns one way of moving or resizing on or off; takes effect at the next createEx() only.
    void setWindowsFlag(const WindowPopFlag &flag, bool on);
    /// Sets all ways of moving and resizing at once; takes effect at the next createEx() only.
    void setWindowsFlags(const WindowPopFlags &flags);
    /// Gives a title bar of the caller's to use instead of the one createEx() would make.
    ///
    /// Set it before createEx(), with its content built (TitleBar::createTitleBar()); createEx()
    /// does not apply the title flags to it.
    void setTitle(TitleBar *title);
    /// The title bar; null before createEx() unless one was given.
    TitleBar *getTilte();
    /// Gives a body of the caller's to use instead of the empty one createEx() would make; set it
    /// before createEx().
    void setCentralWidget(BaseWidget *body);
    /// The body below the title bar, for the popup's content; null before createEx() unless one
    /// was given.
    BaseWidget *getCentralWidget();
    /// Sets the space between the title bar and the body, in pixels; used by createEx().
    void setTitleAndBodyInterval(int pixels);

    /// The border colour, published by the window classes as their borderClr property.
    QColor getBkClr();
    /// Sets the border colour; it shows at the next repaint.
    void setBkClr(QColor color);

protected:
    /// Applies the recipe to `window`; call once.
    ///
    /// Makes the window frameless, makes the title bar and body unless given, stacks them in a
    /// column inside the border, and puts a FramelessHelper on the window with the title bar's
    /// current height as its title strip and the move and resize flags.
    void createEx(QWidget *window);
    /// Fills the border ring of `window` in the border colour; for its paintEvent().
    void drawBorder(QWidget *window);

    /// The buttons the title bar shows.
    QFlags<WindowControlBox::ControlFlag> titleFlags;
    /// The title bar; made by createEx() unless given.
    TitleBar *title = nullptr;
    /// The body; made by createEx() unless given.
    BaseWidget *centralWidget = nullptr;
    /// The helper that moves and resizes the window; made by createEx().
    FramelessHelper *framelessHelper = nullptr;
    /// The window's column of title bar and body; made by createEx().
    QVBoxLayout *mainLayout = nullptr;
    /// How the popup moves and resizes; PopMovable by default.
    WindowPopFlags popFlags = PopMovable;
    /// The border's width in pixels, also the column's margin.
    int borderWidth = 1;
    /// The space between the title bar and the body, in pixels.
    int titleAndBodyInterval = 0;
    /// The border's colour.
    QColor borderColor = QColor("#0c1215");
};

Q_DECLARE_OPERATORS_FOR_FLAGS(PopupWndWithTitleStyle::WindowPopFlags)
