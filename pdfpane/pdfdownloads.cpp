#include "pdfdownloads_p.h"

#include "pdfjsbridge.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>

namespace {

// More than any folder holds copies of one document: past it the folder is taken as unusable.
constexpr int MaxCopies = 10000;

QString candidateName(const QFileInfo &name, int copy)
{
    if (copy == 0)
        return name.fileName();
    const QString base = name.completeBaseName();
    const QString suffix = name.suffix();
    const QString numbered = QStringLiteral("%1 (%2)").arg(base).arg(copy);
    return suffix.isEmpty() ? numbered : numbered + QLatin1Char('.') + suffix;
}

} // namespace

PdfDownloads::PdfDownloads(QWebEngineView *view)
    : m_view(view)
{
    // Every view of the profile hears every download: each takes only its own page's.
    connect(view->page()->profile(), &QWebEngineProfile::downloadRequested, this, &PdfDownloads::onDownloadRequested);
}

QString PdfDownloads::reserveFile(const QString &folder, const QString &name)
{
    if (!QDir().mkpath(folder))
        return QString();
    const QFileInfo info(name);
    for (int copy = 0; copy < MaxCopies; ++copy) {
        QFile file(QDir(folder).filePath(candidateName(info, copy)));
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return file.fileName();
        if (!file.exists() && !QFileInfo(file.fileName()).isSymLink())
            return QString(); // not a name clash: the folder refuses files
    }
    return QString();
}

void PdfDownloads::onDownloadRequested(WebEngineDownload *item)
{
    if (item->page() != m_view->page() || item->state() != WebEngineDownload::DownloadRequested)
        return;
    QString name = QFileInfo(item->downloadFileName()).fileName();
    if (name.isEmpty())
        name = QStringLiteral("document.pdf");
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
    const QString path = reserveFile(folder, name);
    if (path.isEmpty()) {
        item->cancel();
        tellPage(tr("无法保存到下载文件夹 %1").arg(QDir::toNativeSeparators(folder)));
        return;
    }
    item->setDownloadDirectory(QFileInfo(path).absolutePath());
    item->setDownloadFileName(QFileInfo(path).fileName());
    connect(item, webEngineDownloadFinished(), this, [this, item, path] { onFinished(item, path); });
    item->accept();
}

void PdfDownloads::onFinished(WebEngineDownload *item, const QString &path)
{
    if (item->state() != WebEngineDownload::DownloadCompleted) {
        // Only the empty file reserved for it goes; anything the engine wrote stays as it is.
        if (QFileInfo(path).size() == 0)
            QFile::remove(path);
        tellPage(tr("下载没有完成"));
        return;
    }
    tellPage(tr("已下载到 %1").arg(QDir::toNativeSeparators(path)));
    emit saved(path);
}

void PdfDownloads::tellPage(const QString &notice)
{
    m_view->page()->runJavaScript(QStringLiteral("qpdf_showNotice(%1)").arg(PdfJsBridge::scriptLiteral(notice)));
}
