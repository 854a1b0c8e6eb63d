#pragma once

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

// One-call message boxes in the library's look. Each returns the pressed button's
// StandardButton value, or 0 when the box was closed without a button.
class KWCONTROLS_EXPORT MessageBox
{
public:
    static int showInformation(QWidget *parent, const QString &title, const QString &text,
                               QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton);
    static int showQuestion(QWidget *parent, const QString &title, const QString &text,
                            QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton);
    static int showWarning(QWidget *parent, const QString &title, const QString &text,
                           QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton);
    static int showError(QWidget *parent, const QString &title, const QString &text,
                         QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton);
    // Without icon area.
    static int showAbout(QWidget *parent, const QString &title, const QString &text,
                         QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton);

private:
    static int show(int style, QWidget *parent, const QString &title, const QString &text,
                    QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton);
};
