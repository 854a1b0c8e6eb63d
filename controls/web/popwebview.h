#pragma once

/// \file
/// PopWebView: the popup a page's new-window request opens in.

#include "kwcontrolsweb_export.h"
#include "window/popupwindow.h"

#include "webenginedownload.h"

#include <QByteArray>
#include <QPointer>
#include <QString>

#include <memory>

class InternalWebView;
class TestPopWebView;
class PdfJsBridge;

/// The popup a page's new-window request opens in.
///
/// It shows the new page under its title bar, which follows the page's title; when the page
/// turns out to be a file download (before any page loaded well in it), it downloads the file
/// into downloadFolder() and shows it in the PDF viewer instead. InternalWebView::createWindow()
/// makes these popups; a client may make one for PDFs alone, without a web view:
///
/// \code
/// auto *popup = new PopWebView(nullptr, nullptr, "pdf");
/// popup->createWg();
/// popup->initPDFENV();
/// popup->loadFile("/path/report.pdf");   // shown once the viewer page is ready
/// popup->show();
/// \endcode
///
/// Ownership: the popup deletes itself when closed (Qt::WA_DeleteOnClose) and leaves BaseView
/// then. It takes the web view given to it over as a child, and owns its PDF viewer.
///
/// Threading: GUI thread only.
/// \ingroup web
class KWCONTROLSWEB_EXPORT PopWebView : public PopupWindow
{
    Q_OBJECT

public:
    /// A popup around `view` (null: no web view, the popup only shows PDFs), whose content is
    /// built by createWg(). `name` is its path on the message bus (see KwObject).
    PopWebView(InternalWebView *view, QWidget *parent, QString name);
    /// Drops the PDF viewer and takes the popup off BaseView.
    ~PopWebView() override;

    /// Builds the popup (see PopupWindow::createWg()) and puts the web view into its body.
    ///
    /// From here on the title bar follows the page's title, and a download the page starts
    /// before any page loaded well is taken over and shown in the PDF viewer.
    void createWg() override;
    /// The web view given to the constructor; null when there was none or it was deleted.
    InternalWebView *webView();

    /// Sets up (or again) the PDF viewer in place of the web view.
    ///
    /// The viewer is a new PdfJsBridge loading its viewer page; the web view is hidden and the
    /// title reads "KWFN". A viewer set up before is dropped with its document. Call after
    /// createWg().
    void initPDFENV();
    /// Shows the PDF file; false without viewer or readable file.
    ///
    /// The whole file is read at once and named after its file name. Before the viewer page is
    /// ready the bytes wait and are shown when it is.
    bool loadFile(const QString &path);
    /// Closes the document in the PDF viewer, which stays; nothing happens without viewer.
    void closeDocument();

    /// Where downloaded PDF files are kept: a folder of the library's own under the cache
    /// location.
    ///
    /// Only earlier copies of the same file name are ever removed from it.
    static QString downloadFolder();

public slots:
    /// Follows the PDF viewer's page load (connected to its loadFinished()).
    ///
    /// On success the viewer is ready: the bytes that wait are shown, or else, after the page
    /// was loaded again, the file last given to loadFile() by its file URL. A failure is logged.
    void onLoadFinished(bool status);
    /// Hands the bytes that wait to the viewer, once its page is ready; nothing before.
    void renderPdfData();
    /// Has the viewer open `file` by its file URL, once its page is ready.
    ///
    /// Before that nothing happens, and the file is not remembered.
    void renderPdfFile(const QString &file);

protected:
    /// Keeps the PDF viewer, or else the web view, at the popup's size.
    void resizeEvent(QResizeEvent *event) override;

private:
    friend class TestPopWebView; // drives the private find-field call

    struct PdfState
    {
        PdfJsBridge *bridge = nullptr;
        bool ready = false;
        QByteArray data;
        QString path;
    };

    void setFindFieldText(const QString &text);
    void onDownloadRequested(WebEngineDownload *item);
    void onDownloadFinished();
    void dropPdfState();

    QPointer<InternalWebView> m_webView; // may be null: the popup then only shows PDFs
    QString m_name;
    std::unique_ptr<PdfState> m_pdf;
    QPointer<WebEngineDownload> m_downloadItem;
    bool m_pageShown = false;
};
