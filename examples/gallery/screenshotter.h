#pragma once
#include <QObject>

class GalleryWindow;

// Walks the gallery page by page for headless machines: shows each page in its showcase
// state, waits until it has settled, saves one PNG of the window with its open popups, and
// quits with 0 when every picture was written.
class Screenshotter : public QObject
{
    Q_OBJECT
public:
    Screenshotter(GalleryWindow *window, const QString &folder);
    void start();

private:
    void visit(int index);
    void capture(int index);
    void closePopups();

    GalleryWindow *m_window;
    QString m_folder;
    int m_waited = 0;
    bool m_allSaved = true;
};
