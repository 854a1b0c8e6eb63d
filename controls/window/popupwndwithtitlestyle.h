#pragma once

#include "kwcontrols_export.h"
#include "window/windowcontrolbox.h"

#include <QColor>
#include <QFlags>

class BaseWidget;
class FramelessHelper;
class QVBoxLayout;
class QWidget;
class TitleBar;

// Fills the ring between the widget's rectangle and the same rectangle shrunk by `width` on
// every side: frameless windows draw their own borders.
KWCONTROLS_EXPORT void kwFillBorderRing(QWidget *widget, int width, const QColor &color);

// The recipe of a popup: a title bar over a body, a thin coloured border, moved (and optionally
// resized) by a frameless helper. Configure it, then apply it once through createEx().
class KWCONTROLS_EXPORT PopupWndWithTitleStyle
{
public:
    enum WindowPopFlag {
        PopMovable = 0x1,
        PopResizable = 0x2,
        PopRubberBandOnMove = 0x4,
        PopRubberBandOnResize = 0x8,
    };
    Q_DECLARE_FLAGS(WindowPopFlags, WindowPopFlag)

    PopupWndWithTitleStyle();
    virtual ~PopupWndWithTitleStyle();

    void setTitleFlags(const QFlags<WindowControlBox::ControlFlag> &flags);
    void setTitleFlag(const QFlags<WindowControlBox::ControlFlag> &flag, bool on);
    // Both take effect at the next createEx() only.
    void setWindowsFlag(const WindowPopFlag &flag, bool on);
    void setWindowsFlags(const WindowPopFlags &flags);
    void setTitle(TitleBar *title);
    TitleBar *getTilte();
    void setCentralWidget(BaseWidget *body);
    BaseWidget *getCentralWidget();
    void setTitleAndBodyInterval(int pixels);

    // The border colour, published by the window classes as their borderClr property.
    QColor getBkClr();
    void setBkClr(QColor color);

protected:
    void createEx(QWidget *window);
    void drawBorder(QWidget *window);

    QFlags<WindowControlBox::ControlFlag> titleFlags;
    TitleBar *title = nullptr;
    BaseWidget *centralWidget = nullptr;
    FramelessHelper *framelessHelper = nullptr;
    QVBoxLayout *mainLayout = nullptr;
    WindowPopFlags popFlags = PopMovable;
    int borderWidth = 1;
    int titleAndBodyInterval = 0;
    QColor borderColor = QColor("#0c1215");
};

Q_DECLARE_OPERATORS_FOR_FLAGS(PopupWndWithTitleStyle::WindowPopFlags)
