#pragma once

/// \file
/// MesBox: the library's message box.

#include "window/popuptwinkleframedialog.h"

#include <QDialog>
#include <QMessageBox>

class MsgView;

/// The library's message box: a twinkling popup with a close-only title bar around a panel with
/// an icon, the text and the standard buttons.
///
/// exec() returns the pressed button's StandardButton value, 0 when closed without one (the
/// close button, Escape). The buttons are labelled in Chinese; only the default button given
/// answers Enter. MessageBox shows one in a single call.
///
/// \code
/// MesBox box(this, tr("Delete"), tr("Delete the list?"), QMessageBox::Yes | QMessageBox::No,
///            QMessageBox::No);
/// box.setStyle(MesBox::Question);
/// if (box.exec() == QMessageBox::Yes)
///     deleteList();
/// \endcode
///
/// Ownership: as any QDialog; its content is its own. Threading: GUI thread only.
/// \ingroup window
class KWCONTROLS_EXPORT MesBox : public PopupTwinkleFrameDialog
{
    Q_OBJECT

public:
    /// The kinds of box, by their icon; About shows none.
    enum Style : int {
        About = 0, ///< No icon.
        Information = 1, ///< The icon styled by the object name "info".
        Question = 2, ///< The icon styled by the object name "question".
        Warning = 3, ///< The icon styled by the object name "warning".
        Error = 4, ///< The icon styled by the object name "error".
    };

    /// A box under `parent` with `title` in its title bar, `text` as the message and the
    /// standard `buttons`; `defaultButton` is the one Enter presses (QMessageBox::NoButton:
    /// none).
    ///
    /// The icon area has no picture until setStyle() picks one.
    MesBox(QWidget *parent = 0, const QString &title = tr("Tip"), const QString &text = "",
           QMessageBox::StandardButtons buttons = QMessageBox::Ok,
           QMessageBox::StandardButton defaultButton = QMessageBox::Ok);

    /// Picks the icon by a Style value.
    ///
    /// A Style from Information to Error shows its icon (the style sheet gives the picture for
    /// the icon's object name); anything else hides the icon area.
    void setStyle(int style);

public slots:
    /// Ends the box with `nRet` as exec()'s result; the panel's buttons call it with their
    /// StandardButton value.
    void onButtonClicked(int nRet);

private:
    MsgView *msgView;
};
