#include "pdfjsbridge.h"

#include <QEventLoop>
#include <QPointer>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineSettings>

#include <memory>

PdfJsBridge::PdfJsBridge(QWidget *parent)
    : QWebEngineView(parent)
{
    // qpdf_ShowPdfFile opens file:// URLs from the qrc page.
    settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
    settings()->setAttribute(QWebEngineSettings::JavascriptEnabled, true);
}

PdfJsBridge::~PdfJsBridge() = default;

QUrl PdfJsBridge::viewerUrl()
{
    return QUrl(QStringLiteral("qrc:/pdfpane/viewer.html"));
}

void PdfJsBridge::invokeJavaScript(const QString &script)
{
    page()->runJavaScript(script);
}

QVariant PdfJsBridge::invokeJavaScriptAndWaitForResult(const QString &script, int timeoutMs)
{
    // The answer may come after we gave up waiting: it then lands in the shared state, never
    // in this stack frame.
    struct State
    {
        QVariant result;
        bool done = false;
        QPointer<QEventLoop> loop;
    };
    const auto state = std::make_shared<State>();
    QEventLoop loop;
    state->loop = &loop;
    page()->runJavaScript(script, [state](const QVariant &result) {
        state->result = result;
        state->done = true;
        if (state->loop)
            state->loop->quit();
    });
    if (!state->done) {
        QTimer::singleShot(qMax(0, timeoutMs), &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    if (!state->done)
        qWarning().noquote() << "PdfJsBridge: no answer within" << timeoutMs << "ms:" << script.left(80);
    return state->done ? state->result : QVariant();
}

void PdfJsBridge::close()
{
    invokeJavaScript(QStringLiteral("if (window.PDFViewerApplication) { PDFViewerApplication.close(); }"));
}
