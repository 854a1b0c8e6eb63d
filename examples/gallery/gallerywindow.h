#pragma once
#include "window/cbasemainwidget.h"

#include <QVector>

class BaseStackWidget;
class BellButton;
class GalleryPage;
class NavigatorBar;
class QApplication;
class QLabel;
class SideBar;
class StatusBar;
class TitleBar;

// The gallery's frameless main window: title bar on top, the navigator's tabs under it, the
// side bar on the left, one page per widget family in a stack, and a status bar whose bell
// collects what the pages report while the user may be looking elsewhere.
class GalleryWindow : public CBaseMainWidget
{
    Q_OBJECT
public:
    explicit GalleryWindow(QWidget *parent = nullptr);
    int pageCount() const;
    GalleryPage *page(int index) const;
    int currentPage() const;
    void showPage(int index);
    // The gallery's look, for the whole application: popups follow it too.
    static void applyStyleSheet(QApplication *app);
    // Opens the shortcut window over `window`, or brings forward the one already open there.
    static void showKeyTips(QWidget *window);

signals:
    // The title bar's language button was pressed; GalleryShell rebuilds the window.
    void languageSwitchRequested();

protected:
    bool focusNextPrevChild(bool next) override;

private:
    struct Notice
    {
        int page;
        QString text;
    };

    void addPage(GalleryPage *page);
    void addLanguageButton();
    QWidget *createStatusBar();
    void putInStatusBar(int column, QWidget *widget);
    void notify(int page, const QString &text);
    void showNotices();

    TitleBar *m_titleBar;
    NavigatorBar *m_navigator;
    SideBar *m_sideBar;
    BaseStackWidget *m_stack;
    StatusBar *m_statusBar = nullptr;
    BellButton *m_bell = nullptr;
    QLabel *m_statusText = nullptr;
    QVector<GalleryPage *> m_pages;
    QVector<Notice> m_notices; // newest first
};
