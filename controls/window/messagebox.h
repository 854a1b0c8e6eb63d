#pragma once

/// \file
/// MessageBox: one-call message boxes in the library's look.
///
/// On Windows, include `<windows.h>` before this header: its MessageBox macro is then replaced by
/// an inline function of the same name, so the class and the Win32 call both keep working.

#include "kwcontrols_export.h"

#include <QMessageBox>

// <windows.h> defines MessageBox as a macro for MessageBoxW or MessageBoxA, which would rename
// this class in a client file that includes both (it then fails to link). When <windows.h>
// came first, the macro is replaced here by an inline function of the same name: the class and
// the Win32 call both keep working, since a class and a function may share a name. Include
// <windows.h> before this header.
#if defined(_WIN32) && defined(MessageBox)
#undef MessageBox
inline int MessageBox(HWND window, LPCTSTR text, LPCTSTR caption, UINT type)
{
#ifdef UNICODE
    return MessageBoxW(window, text, caption, type);
#else
    return MessageBoxA(window, text, caption, type);
#endif
}
#endif

/// One-call message boxes in the library's look.
///
/// Each shows a modal MesBox of its kind under `parent`, with `title`, `text`, the standard
/// `buttons` and `defaultButton` (the one Enter presses; QMessageBox::NoButton for none), and
/// returns the pressed button's StandardButton value, or 0 when the box was closed without a
/// button. The box is gone when the call returns.
///
/// \code
/// if (MessageBox::showQuestion(this, tr("Quit"), tr("Quit the program?"),
///                              QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
///     == QMessageBox::Yes)
///     qApp->quit();
/// \endcode
///
/// Threading: GUI thread only; each call runs a nested event loop until the box closes.
/// \ingroup window
class KWCONTROLS_EXPORT MessageBox
{
public:
    /// Shows a box with the information icon; see the class description.
    static int showInformation(QWidget *parent, const QString &title, const QString &text,
                               QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton);
    /// Shows a box with the question icon; see the class description.
    static int showQuestion(QWidget *parent, const QString &title, const QString &text,
                            QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton);
    /// Shows a box with the warning icon; see the class description.
    static int showWarning(QWidget *parent, const QString &title, const QString &text,
                           QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton);
    /// Shows a box with the error icon; see the class description.
    static int showError(QWidget *parent, const QString &title, const QString &text,
                         QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton);
    /// Shows a box without icon area; see the class description.
    static int showAbout(QWidget *parent, const QString &title, const QString &text,
                         QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton);

private:
    static int show(int style, QWidget *parent, const QString &title, const QString &text,
                    QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton);
};
