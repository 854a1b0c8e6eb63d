#pragma once

#include "pdfpane_export.h"

#include <QPointer>
#include <QUrl>
#include <QVariant>
#include <QWebEngineView>

#include <memory>

class PdfDownloads;
class PdfPrinting;
class PdfSchemeHandler;

// A web engine view that hosts the PDF.js viewer page "qrc:/pdfpane/viewer.html" and runs
// scripts in it. The page provides qpdf_ShowPdfFileBase64(text) and qpdf_ShowPdfFile(url)
// beside PDF.js's own PDFViewerApplication; showPdfData hands it a document's bytes without a
// script. The viewer's print button prints through the engine after the print dialog; its
// download button saves the document into the user's download folder under a name no file
// there has yet.
class PDFPANE_EXPORT PdfJsBridge : public QWebEngineView
{
    Q_OBJECT

public:
    // How long invokeJavaScriptAndWaitForResult waits at most.
    static constexpr int DefaultWaitMs = 5000;

    explicit PdfJsBridge(QWidget *parent = nullptr);
    // A viewer over the host's own page (for example one that sends the page's console to the
    // host's log); the view takes the page over. Null: a page of the view's own.
    PdfJsBridge(QWebEnginePage *page, QWidget *parent);
    ~PdfJsBridge() override;

    static QUrl viewerUrl();
    // The text as a JavaScript string literal (a JSON string is one): quotes, backslashes and
    // line breaks reach the page unchanged and can never end the literal.
    static QString scriptLiteral(const QString &text);

    // The file name ("report.pdf") of the document shown and of those shown after it, for the
    // viewer's properties, downloads and printouts: a document handed over as bytes has none.
    void setDocumentName(const QString &name);
    QString documentName() const;

    // Scripts at least this long that are one call with one plain string literal are handed to
    // the page in pieces of PieceSize characters (see invokeJavaScript).
    static constexpr int PieceThreshold = 1 << 20;
    static constexpr int PieceSize = 1 << 18;

    // Runs the script in the page without waiting; scripts run in the order they were given.
    // A long script of the form `name('text')` (or `a.b('text');`) whose literal holds no quote,
    // backslash or line break reaches the page as several short scripts: the engine compiles
    // one huge string literal several times slower than the same text in quarter-megabyte
    // pieces. The pieces are joined and `name` is called with the text, unless the function
    // offers `name.receivePieces(length)`: then the pieces go, in order, to the `add(piece)` of
    // the object it returns, and its `end()` runs last, so the page can work while the rest of
    // the text is still on its way.
    void invokeJavaScript(const QString &script);
    // Runs the script and returns its result once it has run. The wait keeps events flowing
    // (the engine answers through them) and ends after `timeoutMs` whatever happens, with an
    // invalid QVariant, so a page that never answers cannot hang the caller.
    QVariant invokeJavaScriptAndWaitForResult(const QString &script, int timeoutMs = DefaultWaitMs);
    // Shows the PDF whose bytes are `bytes` (shared, not copied) in place of the document shown.
    // The page reads them with one request at a URL of the bridge's own scheme (see
    // PdfSchemeHandler), where a Base64 script as large as the file would first have to be
    // compiled; the bridge lets go of them once they are read, or when the document is replaced
    // or closed first. Without the scheme the bytes go as a qpdf_ShowPdfFileBase64 script.
    void showPdfData(const QByteArray &bytes);
    // Closes the document shown, or on its way; the viewer page stays.
    void close();

signals:
    // The viewer's download button saved the document at `path`.
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
