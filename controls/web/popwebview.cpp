#include "web/popwebview.h"

#include "web/weblog_p.h"
#include "web/baseview.h"
#include "web/internalwebpage.h"
#include "web/internalwebview.h"
#include "window/titlebar.h"

#include "pdfjsbridge.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QVBoxLayout>
#include <QWebEngineProfile>

namespace {

QVBoxLayout *bareColumn(QWidget *owner)
{
    auto *layout = new QVBoxLayout(owner);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    return layout;
}

} // namespace

PopWebView::PopWebView(InternalWebView *view, QWidget *parent, QString name)
    : PopupWindow(parent, name)
    , m_webView(view)
    , m_name(name)
{
    if (m_webView)
        m_webView->setParent(this);
    setAttribute(Qt::WA_DeleteOnClose);
}

PopWebView::~PopWebView()
{
    if (m_downloadItem)
        m_downloadItem->disconnect(this);
    dropPdfState();
    if (BaseView::exists())
        BaseView::instance().remove(this);
    qCDebug(lcWeb) << "PopWebView::~PopWebView()";
}

void PopWebView::createWg()
{
    PopupWindow::createWg();
    QVBoxLayout *column = bareColumn(getCentralWidget());
    if (!m_webView)
        return;
    column->addWidget(m_webView);
    TitleBar *titleBar = getTilte();
    connect(m_webView, &QWebEngineView::titleChanged, titleBar,
            [titleBar](const QString &text) { titleBar->setWinTitle(text, Qt::AlignLeft | Qt::AlignVCenter); });
    connect(m_webView, &QWebEngineView::loadFinished, this, [this](bool ok) { m_pageShown = m_pageShown || ok; });
    connect(m_webView->page()->profile(), &QWebEngineProfile::downloadRequested, this,
            &PopWebView::onDownloadRequested);
}

InternalWebView *PopWebView::webView()
{
    return m_webView;
}

QString PopWebView::downloadFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + QStringLiteral("/KwControls/pdf");
}

void PopWebView::onDownloadRequested(WebEngineDownload *item)
{
    // Every view shares the default profile: only a request of this popup's own page, before
    // it has shown anything, is ours.
    // The page's URL is set as soon as a navigation starts, also one that turns into this very
    // download, so "has shown a page" is whether a load ever finished well.
    if (m_pageShown || !m_webView || item->page() != m_webView->page())
        return;
    if (item->state() != WebEngineDownload::DownloadRequested)
        return; // another popup took it already
    const QString name = QFileInfo(item->url().fileName(QUrl::FullyDecoded)).fileName();
    const QString fileName = name.isEmpty() ? QStringLiteral("document.pdf") : name;
    const QString folder = downloadFolder();
    QDir().mkpath(folder);
    // An earlier copy of the same document is replaced; nothing else is ever removed.
    QFile::remove(folder + QLatin1Char('/') + fileName);

    initPDFENV();
    m_downloadItem = item;
    item->setDownloadDirectory(folder);
    item->setDownloadFileName(fileName);
    item->accept();
    connect(item, webEngineDownloadFinished(), this, &PopWebView::onDownloadFinished);
}

void PopWebView::onDownloadFinished()
{
    if (!m_downloadItem || m_downloadItem->state() != WebEngineDownload::DownloadCompleted)
        return;
    const QString path = QDir(m_downloadItem->downloadDirectory()).filePath(m_downloadItem->downloadFileName());
    if (!QFileInfo::exists(path))
        return;
    const QString absolute = QFileInfo(path).absoluteFilePath();
    qCDebug(lcWeb) << "PopWebView: downloaded" << absolute;
    loadFile(absolute);
}

void PopWebView::dropPdfState()
{
    if (!m_pdf)
        return;
    m_pdf->bridge->disconnect(this);
    m_pdf->bridge->deleteLater();
    m_pdf.reset();
}

void PopWebView::initPDFENV()
{
    qCDebug(lcWeb) << "PopWebView::initPDFENV()";
    if (m_pdf) {
        if (QLayout *layout = getCentralWidget()->layout())
            layout->removeWidget(m_pdf->bridge);
        m_pdf->bridge->hide();
        dropPdfState();
        if (m_downloadItem)
            m_downloadItem->disconnect(this);
    }
    m_pdf = std::make_unique<PdfState>();
    m_pdf->bridge = new PdfJsBridge(new InternalWebPage, nullptr);
    connect(m_pdf->bridge, &QWebEngineView::loadFinished, this, &PopWebView::onLoadFinished);
    getTilte()->setWinTitle(QStringLiteral("KWFN"), Qt::AlignLeft | Qt::AlignVCenter);
    m_pdf->bridge->setUrl(QUrl::fromUserInput(QStringLiteral("qrc:/pdfpane/viewer.html")));
    if (m_webView)
        m_webView->hide();
    QLayout *layout = getCentralWidget()->layout();
    if (!layout)
        layout = bareColumn(getCentralWidget());
    layout->addWidget(m_pdf->bridge);
    activateWindow();
}

bool PopWebView::loadFile(const QString &path)
{
    if (!m_pdf)
        return false;
    qCDebug(lcWeb) << "PopWebView::loadFile(const QString &path) << " << path;
    if (!QFileInfo::exists(path))
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    m_pdf->path = path;
    m_pdf->data = file.readAll();
    m_pdf->bridge->setDocumentName(QFileInfo(path).fileName());
    renderPdfData();
    return true;
}

void PopWebView::renderPdfData()
{
    if (!m_pdf || !m_pdf->ready)
        return;
    // The viewer reads the bytes as they are, through its own URL scheme: a Base64 script of
    // the whole file would cost the page far more to compile than the file costs to open.
    m_pdf->bridge->showPdfData(m_pdf->data);
    m_pdf->data.clear();
}

void PopWebView::renderPdfFile(const QString &file)
{
    if (!m_pdf || !m_pdf->ready)
        return;
    m_pdf->bridge->setDocumentName(QFileInfo(file).fileName());
    const QString url = QUrl::fromLocalFile(file).toString(QUrl::FullyEncoded);
    m_pdf->bridge->invokeJavaScript(QStringLiteral("qpdf_ShowPdfFile(%1)").arg(PdfJsBridge::scriptLiteral(url)));
    m_pdf->data.clear();
}

void PopWebView::onLoadFinished(bool status)
{
    qCDebug(lcWeb) << "PopWebView::onLoadFinished << " << status;
    if (!m_pdf)
        return;
    if (!status) {
        qCCritical(lcWeb) << "Unable to initialize the web view";
        return;
    }
    m_pdf->ready = true;
    if (!m_pdf->data.isEmpty())
        renderPdfData();
    else if (!m_pdf->path.isEmpty())
        renderPdfFile(m_pdf->path);
}

void PopWebView::closeDocument()
{
    if (m_pdf)
        m_pdf->bridge->close();
}

void PopWebView::setFindFieldText(const QString &text)
{
    if (!m_pdf)
        return;
    // The wait runs a nested event loop: this popup (deleted on close) or its viewer may be
    // gone when it returns.
    const QPointer<PopWebView> self(this);
    const QPointer<PdfJsBridge> bridge(m_pdf->bridge);
    // PDF.js finishes setting itself up after the page reports its load (often so late on Qt 6
    // that a text set at once was lost): both steps wait for it, in this order.
    bridge->invokeJavaScriptAndWaitForResult(QStringLiteral(
            "PDFViewerApplication.initializedPromise.then(function () { PDFViewerApplication.findController.reset(); })"));
    if (!self || !m_pdf || m_pdf->bridge != bridge.data() || !bridge)
        return;
    m_pdf->bridge->invokeJavaScript(QStringLiteral("PDFViewerApplication.initializedPromise.then(function () {"
                                                   " PDFViewerApplication.findBar.findField.value = %1; })")
                                            .arg(PdfJsBridge::scriptLiteral(text)));
}

void PopWebView::resizeEvent(QResizeEvent *event)
{
    PopupWindow::resizeEvent(event);
    if (m_pdf)
        m_pdf->bridge->resize(size());
    else if (m_webView)
        m_webView->resize(size());
}
