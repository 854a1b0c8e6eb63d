#pragma once

#include "window/basewidget.h"

#include <QFlags>
#include <QPointer>

class QPushButton;
class WindowStateModel;

namespace Ui {
class WindowControlBox;
}

// Minimise, maximise/restore and close buttons acting on a main window given by the owner
// (not on the box's own Qt parent). Their looks come from the style sheet by object name.
class KWCONTROLS_EXPORT WindowControlBox : public BaseWidget
{
    Q_OBJECT

public:
    enum ControlFlag {
        ControlMin = 0x1,
        ControlMax = 0x2,
        ControlClose = 0x8,
    };
    Q_DECLARE_FLAGS(ControlFlags, ControlFlag)

    // A box made by a Designer form has no window yet: the form's owner hands it over with
    // setMainWnd(); until then the buttons only signal.
    explicit WindowControlBox(QWidget *parent = nullptr, QWidget *mainWnd = nullptr, QString name = "");
    ~WindowControlBox() override;

    // The window the buttons act on from now on; the maximise button follows its state.
    void setMainWnd(QWidget *mainWnd);

    virtual void OnClose();
    void OnMinimized();
    void OnMaximinzed();
    void SwitchExpandOrNarrow();
    // Brings a minimised window back into the state the box believes it was in.
    void onRestoreWindow();
    // Keeps the box in step with a window maximised or restored by other means.
    void updateMaximize(bool maximized);
    // Takes a combination too, so several buttons can be switched in one call.
    void setControlFlag(const QFlags<ControlFlag> &flag, bool on);
    void setControlFlags(const QFlags<ControlFlag> &flags);

signals:
    void mainWndMinimized();
    void mainWndMaximized();
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
    Ui::WindowControlBox *ui;
    QFlags<ControlFlag> controlFlags = QFlags<ControlFlag>(ControlMin | ControlMax | ControlClose);
};

Q_DECLARE_OPERATORS_FOR_FLAGS(WindowControlBox::ControlFlags)
