#pragma once
#include "gallerypage.h"

class BellButton;
class ViewTipsPanel;

// The small widgets: shortcut tips, the bell, the empty-result and tips pages, link label,
// hint strip, picture layers and the host information.
class SmallWidgetsPage : public GalleryPage
{
    Q_OBJECT
public:
    explicit SmallWidgetsPage(QWidget *parent);
    void showcase() override;

private:
    QWidget *createBellBox();
    QWidget *createHintBox();
    QWidget *createTipsBox();
    QWidget *createPictureBox();
    QWidget *createHostBox();
    void openKeyTips();

    BellButton *m_bell = nullptr;
    ViewTipsPanel *m_tips = nullptr;
};
