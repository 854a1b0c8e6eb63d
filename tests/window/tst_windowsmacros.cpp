// A client file that includes <windows.h> before the message box: the Win32 MessageBox macro
// must not rename the library's class (this file would then fail to link), and the Win32 call
// must still compile. <windows.h> itself is stood in for by what it declares about MessageBox.
#include <QtTest>

#ifndef _WIN32
#define _WIN32 1
#define KW_STAND_IN_FOR_WINDOWS_H
typedef void *HWND;
typedef const wchar_t *LPCWSTR;
typedef const char *LPCSTR;
typedef LPCWSTR LPCTSTR;
typedef unsigned int UINT;
#define UNICODE
static int g_win32Calls = 0;
static int MessageBoxW(HWND, LPCWSTR, LPCWSTR, UINT)
{
    return ++g_win32Calls;
}
static int MessageBoxA(HWND, LPCSTR, LPCSTR, UINT)
{
    return -1;
}
#define MessageBox MessageBoxW
#endif

#include "window/messagebox.h"

#include <QApplication>
#include <QTimer>

class TestWindowsMacros : public QObject
{
    Q_OBJECT

private slots:
    void classAndWin32CallKeepTheirNames()
    {
        QTimer::singleShot(100, [] {
            if (QWidget *box = QApplication::activeModalWidget())
                QTest::keyClick(box, Qt::Key_Escape);
        });
        QCOMPARE(MessageBox::showInformation(nullptr, "t", "s", QMessageBox::Ok, QMessageBox::Ok), 0);
#ifdef KW_STAND_IN_FOR_WINDOWS_H
        QCOMPARE(MessageBox(nullptr, L"text", L"caption", 0), 1);
        Q_UNUSED(&MessageBoxA);
#endif
    }
};

QTEST_MAIN(TestWindowsMacros)
#include "tst_windowsmacros.moc"
