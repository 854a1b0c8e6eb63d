#pragma once

/// \file
/// PdfJsBridge: a web engine view that hosts the PDF.js viewer page and talks to it.

#include "pdfpane_export.h"

#include <QPointer>
#include <QUrl>
#include <QVariant>
#include <QWebEngineView>

#include <memory>

class PdfDownloads;
class PdfPrinting;
class PdfSchemeHandler;

/// A web engine view that hosts the PDF.js viewer page "qrc:/pdfpane/viewer.html" and runs
/// scripts in it.
///
/// The page provides qpdf_ShowPdfFileBase64(text) and qpdf_ShowPdfFile(url) beside PDF.js's own
/// PDFViewerApplication; showPdfData() hands it a document's bytes without a script. The viewer's
/// print button prints through the engine after the print dialog; its download button saves the
/// document into the user's download folder under a name no file there has yet, and tells
/// documentSaved().
///
/// The view does not load the viewer page by itself: load viewerUrl(), wait for loadFinished(),
/// then show documents.
///
/// \code
/// auto *viewer = new PdfJsBridge(parent);
/// viewer->setUrl(PdfJsBridge::viewerUrl());
/// connect(viewer, &QWebEngineView::loadFinished, viewer, [viewer, bytes](bool ok) {
///     if (!ok)
///         return;
///     viewer->setDocumentName("report.pdf");
///     viewer->showPdfData(bytes);
/// });
/// \endcode
///
/// Ownership: an ordinary widget, deleted by its Qt parent. It owns the page given to its
/// constructor and its print and download handling. The bytes given to showPdfData() are held,
/// shared, until the page has read them or the document is replaced or closed.
///
/// Threading: GUI thread only.
/// \ingroup pdfpane
class PDFPANE_EXPORT PdfJsBridge : public QWebEngineView
{
    Q_OBJECT

public:
    /// How long invokeJavaScriptAndWaitForResult() waits at most, in milliseconds.
    static constexpr int DefaultWaitMs = 5000;

    /// A viewer over a page of the view's own.
    explicit PdfJsBridge(QWidget *parent = nullptr);
    /// A viewer over the host's own page (for example one that sends the page's console to the
    /// host's log).
    ///
    /// The view takes the page over: it becomes the view's child. Null: a page of the view's own.
    PdfJsBridge(QWebEnginePage *page, QWidget *parent);
    /// Lets go of the document the page has not read yet.
    ~PdfJsBridge() override;

    /// The address of the viewer page, "qrc:/pdfpane/viewer.html".
    static QUrl viewerUrl();
    /// The text as a JavaScript string literal, quotes included.
    ///
    /// A JSON string is one: quotes, backslashes and line breaks reach the page unchanged and can
    /// never end the literal.
    static QString scriptLiteral(const QString &text);

    /// Names the document shown and those shown after it.
    ///
    /// The file name ("report.pdf") is used by the viewer's properties, downloads and printouts:
    /// a document handed over as bytes has none. A viewer page loaded later gets the name too.
    void setDocumentName(const QString &name);
    /// The name given by setDocumentName(); empty when none was given.
    QString documentName() const;

    /// Scripts at least this long (in characters) that are one call with one plain string
    /// literal are handed to the page in pieces (see invokeJavaScript()).
    static constexpr int PieceThreshold = 1 << 20;
    /// The size, in characters, of the pieces a long script is handed over in.
    static constexpr int PieceSize = 1 << 18;

    /// Runs the script in the page without waiting; scripts run in the order they were given.
    ///
    /// A long script of the form `name('text')` (or `a.b('text');`) whose literal holds no
    /// quote, backslash or line break reaches the page as several short scripts: the engine
    /// compiles one huge string literal several times slower than the same text in
    /// quarter-megabyte pieces. The pieces are joined and `name` is called with the text, unless
    /// the function offers `name.receivePieces(length)`: then the pieces go, in order, to the
    /// `add(piece)` of the object it returns, and its `end()` runs last, so the page can work
    /// while the rest of the text is still on its way.
    void invokeJavaScript(const QString &script);
    /// Runs the script and returns its result once it has run.
    ///
    /// The wait keeps events flowing (the engine answers through them; user input waits) and
    /// ends after `timeoutMs` whatever happens, with an invalid QVariant and a warning in the
    /// log, so a page that never answers cannot hang the caller. Objects may change or be
    /// deleted while it waits, this view included.
    QVariant invokeJavaScriptAndWaitForResult(const QString &script, int timeoutMs = DefaultWaitMs);
    /// Shows the PDF whose bytes are `bytes` (shared, not copied) in place of the document shown.
    ///
    /// The page reads them with one request at a URL of the bridge's own scheme, where a Base64
    /// script as large as the file would first have to be compiled; the bridge lets go of them
    /// once they are read, or when the document is replaced or closed first. Without the scheme
    /// (a library loaded after the web engine started cannot register it) the bytes go as a
    /// qpdf_ShowPdfFileBase64 script.
    void showPdfData(const QByteArray &bytes);
    /// Closes the document shown, or on its way; the viewer page stays.
    ///
    /// Hides QWidget::close() under the same name: to close the widget through this type, call
    /// it through a QWidget pointer.
    void close();

signals:
    /// The viewer's download button saved the document at `path`.
    ///
    /// Only for a completed download; a failed one shows a notice in the page instead.
    void documentSaved(const QString &path);

private:
    void invokeInPieces(const QString &name, QStringView literal);
    void withdrawDocument();

    // Members, not children: they go before the view's page does, so a print or download that
    // ends while the view is torn down reaches nothing.
    std::unique_ptr<PdfPrinting> m_printing;
    std::unique_ptr<PdfDownloads> m_downloads;
    QString m_documentName;
    QPointer<PdfSchemeHandler> m_scheme; // the handler serving m_documentUrl, shared by the profile
    QUrl m_documentUrl;
};
