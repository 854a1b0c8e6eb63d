// Time from PopWebView::loadFile to the first rendered page, for a 1 MB and a 20 MB PDF, against
// PDF.js opening the same bytes handed to the viewer page directly as a typed array (the page
// fetches the file itself), and the peak memory of the web engine's processes during the 20 MB
// open, for both. Runs under a display (xvfb-run) with the web engine's environment.

#include "figures.h"
#include "pdfjsbridge.h"
#include "web/internalwebview.h"
#include "web/popwebview.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
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
    bridge->invokeJavaScriptAndWaitForResult(
            QStringLiteral("window.__firstPage = false;"
                           "if (!window.__armed) { window.__armed = true;"
                           "  PDFViewerApplication.eventBus.on('pagerendered', function (e) {"
                           "    if (e.pageNumber === 1) { window.__firstPage = true; } }); }"
                           "PDFViewerApplication.close(); true"));
}

// The web engine's process tree: this process (the engine's browser side runs in it) and every
// process below it (the zygotes, the renderers and the GPU process of QtWebEngineProcess).
QList<int> processTree()
{
    QMultiHash<int, int> children;
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs);
    for (const QString &entry : entries) {
        bool isPid = false;
        const int pid = entry.toInt(&isPid);
        QFile stat(QStringLiteral("/proc/%1/stat").arg(entry));
        if (!isPid || !stat.open(QIODevice::ReadOnly))
            continue;
        // "pid (name) state ppid ...": the name may hold spaces, so count from its closing bracket.
        const QByteArray line = stat.readAll();
        const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
        if (fields.size() > 1)
            children.insert(fields.at(1).toInt(), pid);
    }
    QList<int> tree{int(QCoreApplication::applicationPid())};
    for (int i = 0; i < tree.size(); ++i)
        tree += children.values(tree.at(i));
    return tree;
}

// Lets each process's peak resident size start again from its present size.
void resetPeaks()
{
    for (const int pid : processTree()) {
        QFile clear(QStringLiteral("/proc/%1/clear_refs").arg(pid));
        if (clear.open(QIODevice::WriteOnly))
            clear.write("5");
    }
}

// The sum of the peak resident sizes (VmHWM) since resetPeaks, in megabytes.
double peakMb()
{
    qint64 kb = 0;
    for (const int pid : processTree()) {
        QFile status(QStringLiteral("/proc/%1/status").arg(pid));
        if (!status.open(QIODevice::ReadOnly))
            continue;
        for (const QByteArray &line : status.readAll().split('\n')) {
            if (line.startsWith("VmHWM:"))
                kb += line.mid(6).trimmed().split(' ').first().toLongLong();
        }
    }
    return kb / 1024.0;
}

// Collects the page's garbage (the engine runs with --expose-gc here), so that each open starts
// from the same heap, then starts the peaks again.
void settle(PdfJsBridge *bridge)
{
    bridge->invokeJavaScriptAndWaitForResult(QStringLiteral("if (window.gc) { gc(); } true"));
    resetPeaks();
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
    double projectPeakMb;
    double anchorPeakMb;
};

Times measure(PopWebView &popup, PdfJsBridge *bridge, const QString &path, int repetitions)
{
    std::vector<double> project, anchor, projectPeak, anchorPeak;
    const QString url = QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded);
    for (int i = 0; i < repetitions; ++i) {
        armFirstPage(bridge);
        settle(bridge);
        QElapsedTimer clock;
        clock.start();
        popup.loadFile(path);
        if (!waitFirstPage(bridge))
            qFatal("the viewer never showed %s", qPrintable(path));
        project.push_back(clock.nsecsElapsed() / 1e6);
        projectPeak.push_back(peakMb());

        armFirstPage(bridge);
        settle(bridge);
        clock.restart();
        bridge->invokeJavaScript(
                QStringLiteral("var x = new XMLHttpRequest(); x.open('GET', '%1'); x.responseType = 'arraybuffer';"
                               "x.onload = function () { PDFViewerApplication.open(new Uint8Array(x.response)); };"
                               "x.send();")
                        .arg(url));
        if (!waitFirstPage(bridge))
            qFatal("the viewer never showed %s directly", qPrintable(path));
        anchor.push_back(clock.nsecsElapsed() / 1e6);
        anchorPeak.push_back(peakMb());
    }
    return {median(project), median(anchor), median(projectPeak), median(anchorPeak)};
}

} // namespace

int main(int argc, char **argv)
{
    // For settle(): gc() in the page.
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", qgetenv("QTWEBENGINE_CHROMIUM_FLAGS") + " --js-flags=--expose-gc");
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
    bridge->invokeJavaScript(QStringLiteral(
            "PDFViewerApplication.initializedPromise.then(function () { window.__viewerReady = true; })"));
    if (!QTest::qWaitFor(
                [bridge] {
                    return bridge->invokeJavaScriptAndWaitForResult(QStringLiteral("window.__viewerReady === true"))
                            .toBool();
                },
                30000))
        qFatal("the viewer did not set itself up");

    const Times one = measure(popup, bridge, small, 7);
    const Times twenty = measure(popup, bridge, large, 5);
    kwbench::figure("pdf1_ms", one.project);
    kwbench::figure("pdf1_anchor_ms", one.anchor);
    kwbench::figure("pdf20_ms", twenty.project);
    kwbench::figure("pdf20_anchor_ms", twenty.anchor);
    kwbench::figure("pdf20_ratio", twenty.project / twenty.anchor);
    kwbench::figure("pdf20_peak_mb", twenty.projectPeakMb);
    kwbench::figure("pdf20_anchor_peak_mb", twenty.anchorPeakMb);
    kwbench::figure("pdf20_peak_ratio", twenty.projectPeakMb / twenty.anchorPeakMb);
    return 0;
}
