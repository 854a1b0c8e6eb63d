#pragma once

/// \file
/// TitleBar: the caption strip of a frameless window.

#include "window/basewidget.h"
#include "window/windowcontrolbox.h"

class QLabel;
class QPushButton;

/// The caption strip of a frameless window: an optional icon, the title and the control box.
///
/// The strip is empty until createTitleBar() builds it; the bar keeps its own height in a column
/// while the body takes the extra space. Installed as event filter on a window, it follows that
/// window's title. The pictures come from the style sheet: the icon by the name given to
/// setIconName(), the title label by the object name "titleName".
///
/// \code
/// auto *bar = new TitleBar(window, "title");
/// bar->createTitleBar();                       // its buttons act on `window`
/// bar->setControlFlags(WindowControlBox::ControlMin | WindowControlBox::ControlClose);
/// window->installEventFilter(bar);             // follow the window title
/// connect(bar->windowControlBox(), &WindowControlBox::mainWndClose, this, &Host::saveState);
/// \endcode
///
/// Ownership: as any QWidget; the icon, label and control box are its children. Threading: GUI
/// thread only.
/// \ingroup window
class KWCONTROLS_EXPORT TitleBar : public BaseWidget
{
    Q_OBJECT

public:
    /// An empty bar under `parent` whose path on the bus is `name`; createTitleBar() builds it.
    explicit TitleBar(QWidget *parent = 0, QString name = "");

    /// Builds the strip; call once after construction.
    ///
    /// Its control box acts on the title bar's own Qt parent at this moment. The icon shows only
    /// once it has a name; the title reads "untitled" until set.
    virtual void createTitleBar();
    /// Shows `title` with `alignment`, and gives the window the bar is in the same title (for
    /// the task bar and the window list). Nothing happens before createTitleBar().
    void setWinTitle(const QString &title, Qt::Alignment alignment);
    /// Names the icon and shows it; the icon picture comes from the style-sheet rule for this
    /// object name.
    ///
    /// Before createTitleBar() the name is kept for it.
    void setIconName(const QString &name);
    /// Shows (`on`) or hides the control box buttons in `flag`; nothing before createTitleBar().
    void setControlFlag(const QFlags<WindowControlBox::ControlFlag> &flag, bool on);
    /// Sets which control box buttons show; nothing before createTitleBar().
    void setControlFlags(const QFlags<WindowControlBox::ControlFlag> &flags);
    /// The control box, for its signals and flags; null before createTitleBar().
    WindowControlBox *windowControlBox();

signals:
    /// Emitted by onMinimized().
    ///
    /// The bar's own buttons do not emit it: for them, connect to the same signal of
    /// windowControlBox().
    void mainWndMinimized();
    /// Emitted by onMaximinzed().
    ///
    /// The bar's own buttons do not emit it: for them, connect to the same signal of
    /// windowControlBox().
    void mainWndMaximized();
    /// Emitted by onClose().
    ///
    /// The bar's own buttons do not emit it: for them, connect to the same signal of
    /// windowControlBox().
    void mainWndClose();

protected:
    /// Emits mainWndMinimized(); for subclasses.
    void onMinimized();
    /// Emits mainWndMaximized(); for subclasses.
    void onMaximinzed();
    /// Emits mainWndClose(); for subclasses.
    void onClose();
    /// Follows the window title of every widget this bar is installed on.
    bool eventFilter(QObject *watched, QEvent *event) override;

    /// The icon's object name, as given to setIconName().
    QString iconName;
    /// The icon; made by createTitleBar().
    QPushButton *iconButton = nullptr;
    /// The title; made by createTitleBar().
    QLabel *titleLabel = nullptr;
    /// The control box; made by createTitleBar().
    WindowControlBox *controlBox = nullptr;
};
