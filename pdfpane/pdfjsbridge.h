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

    // Runs the script in the page without waiting.
    void invokeJavaScript(const QString &script);
    // Runs the script and returns its result once it has run. The wait keeps events flowing
    // (the engine answers through them) and ends after `timeoutMs` whatever happens, with an
    // invalid QVariant, so a page that never answers cannot hang the caller.
    QVariant invokeJavaScriptAndWaitForResult(const QString &script, int timeoutMs = DefaultWaitMs);
    // Closes the document shown; the viewer page stays.
    void close();
};
