#pragma once
#include <QObject>

class GalleryWindow;

// Walks the gallery page by page for headless machines: shows each page in its showcase
// state, waits until it has settled, saves one PNG of the window with its open popups, and
// says when it is through.
class Screenshotter : public QObject
{
    Q_OBJECT
public:
    Screenshotter(GalleryWindow *window, const QString &folder);
    void start();

signals:
    // The page's picture was taken; its popups are still open.
    void pageCaptured(int index);
    void finished(bool allSaved);

private:
    void visit(int index);
    void capture(int index);
    void closePopups();

    GalleryWindow *m_window;
    QString m_folder;
    int m_waited = 0;
    bool m_allSaved = true;
};
