#pragma once

/// \file
/// PopupDialog: a frameless popup dialog with title bar and border.

#include "window/basedialog.h"
#include "window/popupwndwithtitlestyle.h"

/// A frameless popup dialog: title bar, body and border, built by createWg().
///
/// The recipe is PopupWndWithTitleStyle's; the style sheet can set the border colour through the
/// property borderClr.
///
/// \code
/// PopupDialog dialog(this, "settings");
/// dialog.setTitleFlags(WindowControlBox::ControlClose);
/// dialog.createWg();
/// auto *layout = new QVBoxLayout(dialog.getCentralWidget());
/// layout->addWidget(form);
/// dialog.exec();
/// \endcode
///
/// Ownership: as any QDialog; the parts createWg() makes are its children. Threading: GUI thread
/// only.
/// \ingroup window
class KWCONTROLS_EXPORT PopupDialog : public BaseDialog, public PopupWndWithTitleStyle
{
    Q_OBJECT
    Q_PROPERTY(QColor borderClr READ getBkClr WRITE setBkClr)

public:
    /// An empty dialog under `parent` whose path on the bus is `name`; createWg() builds it.
    explicit PopupDialog(QWidget *parent = 0, QString name = "");
    /// Takes the frameless helper off the dialog, then destroys the dialog.
    ~PopupDialog() override;

    /// Builds the title bar, body, border and helper (PopupWndWithTitleStyle::createEx()).
    ///
    /// Subclasses set their flags, call this, then fill getCentralWidget().
    virtual void createWg();

protected:
    /// Paints the style sheet's background, then the border.
    void paintEvent(QPaintEvent *event) override;
};
