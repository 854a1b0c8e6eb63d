#pragma once
#include "gallerypage.h"

class BaseStackWidget;
class NavigatorBar;

// Tab bars of every kind, a two-level navigator, a side bar, and a page stack that the tabs
// switch, each reporting what was clicked.
class NavigationPage : public GalleryPage
{
    Q_OBJECT
public:
    explicit NavigationPage(QWidget *parent);
    void showcase() override;

private:
    QWidget *createNavigator();
    QWidget *createStackArea();

    NavigatorBar *m_navigator = nullptr;
    BaseStackWidget *m_stack = nullptr;
};
