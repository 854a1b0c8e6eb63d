// Time from PopWebView::loadFile to the first rendered page, for a 1 MB and a 20 MB PDF, against
// PDF.js opening the same bytes handed to the viewer page directly as a typed array (the page
// fetches the file itself). Runs under a display (xvfb-run) with the web engine's environment.

#include "figures.h"
#include "pdfjsbridge.h"
#include "web/internalwebview.h"
#include "web/popwebview.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <vector>

namespace {

// A report whose first page is text and whose later pages carry incompressible pictures, so the
// file reaches the wanted size while the first page stays quick to draw.
QString writePdf(const QString &path, qint64 targetBytes)
{
    QPdfWriter writer(path);
    writer.setResolution(72);
    QPainter painter(&writer);
    painter.drawText(QPointF(72, 72), QStringLiteral("Annual report"));
    QRandomGenerator rng(42);
    while (QFileInfo(path).size() < targetBytes) {
        writer.newPage();
        QImage noise(512, 512, QImage::Format_RGB32);
        for (int y = 0; y < noise.height(); ++y) {
            auto *line = reinterpret_cast<quint32 *>(noise.scanLine(y));
            for (int x = 0; x < noise.width(); ++x)
                line[x] = rng.generate();
        }
        painter.drawImage(QRectF(36, 36, 500, 500), noise);
        // QPdfWriter streams pages out as they end; flush what is written to see the size.
        QFile probe(path);
        if (probe.size() >= targetBytes)
            break;
    }
    painter.end();
    return path;
}

bool waitFirstPage(PdfJsBridge *bridge)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 60000) {
        if (bridge->invokeJavaScriptAndWaitForResult(QStringLiteral("window.__firstPage === true")).toBool())
            return true;
        QTest::qWait(1);
    }
    return false;
}

void armFirstPage(PdfJsBridge *bridge)
{
    bridge->invokeJavaScriptAndWaitForResult(QStringLiteral(
        "window.__firstPage = false;"
        "if (!window.__armed) { window.__armed = true;"
        "  PDFViewerApplication.eventBus.on('pagerendered', function (e) {"
        "    if (e.pageNumber === 1) { window.__firstPage = true; } }); }"
        "PDFViewerApplication.close(); true"));
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

struct Times
{
    double project;
    double anchor;
};

Times measure(PopWebView &popup, PdfJsBridge *bridge, const QString &path, int repetitions)
{
    std::vector<double> project, anchor;
    const QString url = QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded);
    for (int i = 0; i < repetitions; ++i) {
        armFirstPage(bridge);
        QElapsedTimer clock;
        clock.start();
        popup.loadFile(path);
        if (!waitFirstPage(bridge))
            qFatal("the viewer never showed %s", qPrintable(path));
        project.push_back(clock.nsecsElapsed() / 1e6);

        armFirstPage(bridge);
        clock.restart();
        bridge->invokeJavaScript(QStringLiteral("var x = new XMLHttpRequest(); x.open('GET', '%1'); x.responseType = 'arraybuffer';"
                                                "x.onload = function () { PDFViewerApplication.open(new Uint8Array(x.response)); };"
                                                "x.send();").arg(url));
        if (!waitFirstPage(bridge))
            qFatal("the viewer never showed %s directly", qPrintable(path));
        anchor.push_back(clock.nsecsElapsed() / 1e6);
    }
    return {median(project), median(anchor)};
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString small = writePdf(dir.filePath("report-1mb.pdf"), 1 << 20);
    const QString large = writePdf(dir.filePath("report-20mb.pdf"), 20 << 20);

    PopWebView popup(new InternalWebView(static_cast<QWidget *>(nullptr)), nullptr, QStringLiteral("bench"));
    popup.setAttribute(Qt::WA_DeleteOnClose, false);
    popup.createWg();
    popup.resize(900, 700);
    popup.show();
    popup.initPDFENV();
    auto *bridge = popup.findChild<PdfJsBridge *>();
    if (!bridge || !QSignalSpy(bridge, &QWebEngineView::loadFinished).wait(30000))
        qFatal("the viewer page did not load");
    // PDF.js finishes setting itself up after the load; the first-page hook needs its event bus.
    bridge->invokeJavaScript(QStringLiteral("PDFViewerApplication.initializedPromise.then(function () { window.__viewerReady = true; })"));
    if (!QTest::qWaitFor([bridge] { return bridge->invokeJavaScriptAndWaitForResult(QStringLiteral("window.__viewerReady === true")).toBool(); }, 30000))
        qFatal("the viewer did not set itself up");

    const Times one = measure(popup, bridge, small, 7);
    const Times twenty = measure(popup, bridge, large, 5);
    kwbench::figure("pdf1_ms", one.project);
    kwbench::figure("pdf1_anchor_ms", one.anchor);
    kwbench::figure("pdf20_ms", twenty.project);
    kwbench::figure("pdf20_anchor_ms", twenty.anchor);
    kwbench::figure("pdf20_ratio", twenty.project / twenty.anchor);
    return 0;
}
