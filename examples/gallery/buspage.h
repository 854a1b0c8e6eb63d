#pragma once
#include "gallerypage.h"

class BusPanel;
class QComboBox;
class QLineEdit;

// The message bus: two panels on the bus trade messages, another page is reached by its path,
// and the back button replays the message before the current one.
class BusPage : public GalleryPage
{
    Q_OBJECT
public:
    explicit BusPage(QWidget *parent);
    void showcase() override;

private:
    void send(const QString &path);
    void back();

    QComboBox *m_stock;
    QLineEdit *m_note;
    BusPanel *m_left;
    BusPanel *m_right;
};
