#pragma once

/// \file
/// WindowControlBox: the minimise, maximise/restore and close buttons of a frameless window.

#include "window/basewidget.h"

#include <QFlags>
#include <QPointer>

#include <memory>

class QPushButton;
class WindowStateModel;

namespace Ui {
class WindowControlBox;
}

/// Minimise, maximise/restore and close buttons acting on a main window given by the owner
/// (not on the box's own Qt parent).
///
/// Their looks come from the style sheet by object name: "minBtn", "expandBtn" (while the window
/// is normal) or "narrowBtn" (while it is maximised), and "closeBtn"; each button has a tool tip
/// and an accessible name. The maximise button works through the main window's
/// WindowStateModel, so its glyph follows the window however it was maximised or restored. The
/// buttons take no focus. TitleBar makes one for its window.
///
/// Ownership: as any QWidget; the main window is neither owned nor watched, and must outlive the
/// box. Threading: GUI thread only.
/// \ingroup window
class KWCONTROLS_EXPORT WindowControlBox : public BaseWidget
{
    Q_OBJECT

public:
    /// The buttons of the box.
    enum ControlFlag {
        ControlMin = 0x1, ///< The minimise button.
        ControlMax = 0x2, ///< The maximise/restore button.
        ControlClose = 0x8, ///< The close button.
    };
    Q_DECLARE_FLAGS(ControlFlags, ControlFlag)

    /// A box under `parent` acting on `mainWnd` (null: the buttons act on nothing), with path
    /// `name` on the bus; all three buttons show.
    ///
    /// A box made by a Designer form has no window yet: the form's owner hands it over with
    /// setMainWnd(); until then the buttons only signal.
    explicit WindowControlBox(QWidget *parent = nullptr, QWidget *mainWnd = nullptr, QString name = "");
    /// Destroys the box and its buttons.
    ~WindowControlBox() override;

    /// Makes `mainWnd` (null: none) the window the buttons act on from now on; the maximise
    /// button follows its state.
    void setMainWnd(QWidget *mainWnd);

    /// What the close button does: emits mainWndClose(), then closes the main window.
    ///
    /// Nothing happens without a main window. The button calls it on release, so a press dragged
    /// off the button still closes; subclasses can take the close over.
    virtual void OnClose();
    /// What the minimise button does: minimises the main window, then emits mainWndMinimized().
    void OnMinimized();
    /// What the maximise button does: restores the main window when it is maximised, otherwise
    /// maximises it and emits mainWndMaximized().
    void OnMaximinzed();
    /// The same as OnMaximinzed().
    void SwitchExpandOrNarrow();
    /// Brings a minimised main window back: maximised when its window state still says so,
    /// otherwise normal.
    void onRestoreWindow();
    /// Keeps the box in step with a window maximised or restored by other means: shows the
    /// restore glyph when `maximized`, otherwise the maximise glyph.
    void updateMaximize(bool maximized);
    /// Shows (`on`) or hides the buttons in `flag`.
    ///
    /// Takes a combination too, so several buttons can be switched in one call.
    void setControlFlag(const QFlags<ControlFlag> &flag, bool on);
    /// Shows exactly the buttons in `flags`.
    void setControlFlags(const QFlags<ControlFlag> &flags);

signals:
    /// The main window was minimised through the box (the button or OnMinimized()).
    void mainWndMinimized();
    /// The main window was maximised through the box (the button or OnMaximinzed()).
    ///
    /// Not emitted on a restore, nor when the window is maximised by other means (a double
    /// click on the frame, the window manager).
    void mainWndMaximized();
    /// The main window is about to be closed through the box (the button or OnClose()).
    void mainWndClose();

private:
    void SwitchExpandOrNarrow(bool expand);
    static void nameButton(QPushButton *button, const QString &name);
    void updateControlFlags();

    bool maximized = false;
    QWidget *mainWnd = nullptr;
    // The main window's own record of its state: the button and its glyph follow it, however
    // the window was maximised or restored.
    QPointer<WindowStateModel> stateModel;
    std::unique_ptr<Ui::WindowControlBox> ui;
    QFlags<ControlFlag> controlFlags = QFlags<ControlFlag>(ControlMin | ControlMax | ControlClose);
};

Q_DECLARE_OPERATORS_FOR_FLAGS(WindowControlBox::ControlFlags)
