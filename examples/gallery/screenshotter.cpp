#include "screenshotter.h"

#include "gallerypage.h"
#include "gallerywindow.h"

#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <cstdio>

namespace {
constexpr int PollMs = 100;
constexpr int SettleLimitMs = 20000;
constexpr int PaintDelayMs = 700;
} // namespace

Screenshotter::Screenshotter(GalleryWindow *window, const QString &folder)
    : QObject(window)
    , m_window(window)
    , m_folder(folder)
{
}

void Screenshotter::start()
{
    m_allSaved = QDir().mkpath(m_folder);
    QTimer::singleShot(PaintDelayMs, this, [this] { visit(0); });
}

void Screenshotter::visit(int index)
{
    if (index >= m_window->pageCount()) {
        emit finished(m_allSaved);
        return;
    }
    m_window->showPage(index);
    m_window->page(index)->showcase();
    m_waited = 0;
    capture(index);
}

void Screenshotter::capture(int index)
{
    GalleryPage *page = m_window->page(index);
    if (!page->isSettled() && m_waited < SettleLimitMs) {
        m_waited += PollMs;
        QTimer::singleShot(PollMs, this, [this, index] { capture(index); });
        return;
    }
    QTimer::singleShot(PaintDelayMs, this, [this, index, page] {
        // The screen holds what the user sees: popups over the window and the web engine's
        // own surfaces, which a grab of the widget tree alone can miss.
        const QRect area = m_window->frameGeometry();
        QPixmap shot = m_window->screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height());
        if (shot.isNull())
            shot = m_window->grab();
        const QString file = QDir(m_folder).filePath(
                QString("%1-%2.png").arg(index + 1, 2, 10, QChar('0')).arg(page->getPath().section("//", -1)));
        const bool saved = shot.save(file);
        m_allSaved = m_allSaved && saved;
        // One line per page: the file, then what the page's showcase gave back.
        std::printf("%s %s\n  %s\n", saved ? "wrote" : "FAILED", qPrintable(QDir::toNativeSeparators(file)),
                    page->resultText().toLocal8Bit().constData());
        std::fflush(stdout);
        emit pageCaptured(index);
        closePopups();
        visit(index + 1);
    });
}

void Screenshotter::closePopups()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w != m_window && w->isVisible())
            w->close();
}
