#pragma once

#include "pdfpane_export.h"

#include <QVariant>
#include <QWebEngineView>

// A web engine view that hosts the PDF.js viewer page "qrc:/pdfpane/viewer.html" and runs
// scripts in it. The page provides qpdf_ShowPdfFileBase64(text) and qpdf_ShowPdfFile(url)
// beside PDF.js's own PDFViewerApplication.
class PDFPANE_EXPORT PdfJsBridge : public QWebEngineView
{
    Q_OBJECT

public:
    // How long invokeJavaScriptAndWaitForResult waits at most.
    static constexpr int DefaultWaitMs = 5000;

    explicit PdfJsBridge(QWidget *parent = nullptr);
    ~PdfJsBridge() override;

    static QUrl viewerUrl();

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
    // Closes the document shown; the viewer page stays.
    void close();

private:
    void invokeInPieces(const QString &name, QStringView literal);
};
