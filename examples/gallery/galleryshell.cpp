#include "galleryshell.h"

#include "gallerywindow.h"

#include "kwtranslations.h"
#include "qttranslations.h"

#include <QApplication>

namespace {
bool english = false;
}

GalleryShell::GalleryShell(QObject *parent)
    : QObject(parent)
{
}

GalleryShell::~GalleryShell() = default;

bool GalleryShell::applyLanguage(const QLocale &locale)
{
    // Chinese is what the texts are written in: the gallery's catalogue only comes out.
    const bool chinese = locale.language() == QLocale::Chinese;
    if (chinese)
        removeTranslation(QStringLiteral("kwgallery"));
    else if (locale.language() != QLocale::English ||
             !installTranslation(QStringLiteral("kwgallery"), locale,
                                 translationFolders(QStringLiteral(":/gallery/translations"))))
        return false;
    KwControls::installTranslator(locale);
    installQtTranslations(locale);
    english = !chinese;
    return true;
}

bool GalleryShell::isEnglish()
{
    return english;
}

GalleryWindow *GalleryShell::open()
{
    create();
    m_window->show();
    return m_window.get();
}

void GalleryShell::create()
{
    m_window = std::make_unique<GalleryWindow>();
    // Queued: the window is deleted on the way, which it must not be inside its own click.
    connect(
            m_window.get(), &GalleryWindow::languageSwitchRequested, this,
            [this] {
                switchLanguage(isEnglish() ? QLocale(QLocale::Chinese, QLocale::China)
                                           : QLocale(QLocale::English, QLocale::UnitedStates));
            },
            Qt::QueuedConnection);
}

GalleryWindow *GalleryShell::window() const
{
    return m_window.get();
}

bool GalleryShell::switchLanguage(const QLocale &locale)
{
    if (!applyLanguage(locale))
        return false;
    if (!m_window)
        return true;
    const int page = m_window->currentPage();
    const QRect geometry = m_window->geometry();
    const Qt::WindowStates states = m_window->windowState();
    // The old window goes first: the new one takes its place on the message bus. For that
    // moment no window is open, which must not end the program.
    const bool quitOnClose = qApp->quitOnLastWindowClosed();
    qApp->setQuitOnLastWindowClosed(false);
    m_window.reset();
    create();
    GalleryWindow *window = m_window.get();
    window->setGeometry(geometry);
    window->setWindowState(states);
    window->showPage(page);
    window->show();
    window->activateWindow();
    qApp->setQuitOnLastWindowClosed(quitOnClose);
    emit windowReplaced(window);
    return true;
}
