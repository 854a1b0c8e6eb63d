#pragma once
#include "window/cbasemainwidget.h"

#include <QVector>

class BaseStackWidget;
class GalleryPage;
class NavigatorBar;
class QLabel;
class SideBar;
class StatusBar;
class TitleBar;

// The gallery's frameless main window: title bar on top, the navigator's tabs under it, the
// side bar on the left, one page per widget family in a stack, and a status bar.
class GalleryWindow : public CBaseMainWidget
{
    Q_OBJECT
public:
    explicit GalleryWindow(QWidget *parent = nullptr);
    int pageCount() const;
    GalleryPage *page(int index) const;
    int currentPage() const;
    void showPage(int index);

private:
    void addPage(GalleryPage *page);
    QWidget *createStatusBar();

    TitleBar *m_titleBar;
    NavigatorBar *m_navigator;
    SideBar *m_sideBar;
    BaseStackWidget *m_stack;
    StatusBar *m_statusBar = nullptr;
    QLabel *m_statusText = nullptr;
    QVector<GalleryPage *> m_pages;
};
