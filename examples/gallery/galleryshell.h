#pragma once
#include <QLocale>
#include <QObject>

#include <memory>

class GalleryWindow;

// The gallery's language and its main window. The gallery speaks Chinese (its texts and the
// library's as written) or English. The library's widgets set their texts when they are made,
// so a switch rebuilds the main window in the new language, on the same page and at the same
// place; the windows it had opened go with it.
class GalleryShell : public QObject
{
    Q_OBJECT
public:
    explicit GalleryShell(QObject *parent = nullptr);
    ~GalleryShell() override;

    // Installs the library's, the gallery's and Qt's catalogues for `locale`: English, or
    // Chinese (no catalogue but Qt's). False for another language, which changes nothing.
    static bool applyLanguage(const QLocale &locale);
    // Whether the texts are English now; Chinese until applyLanguage() says otherwise.
    static bool isEnglish();

    // Makes and shows the main window.
    GalleryWindow *open();
    GalleryWindow *window() const;
    // Applies `locale` and rebuilds the main window in it; false, and nothing changes, for a
    // language without texts.
    bool switchLanguage(const QLocale &locale);

signals:
    void windowReplaced(GalleryWindow *window);

private:
    void create();

    std::unique_ptr<GalleryWindow> m_window;
};
