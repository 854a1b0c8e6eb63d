#include "web/baseview.h"
#include "web/internalwebview.h"
#include "web/popwebview.h"
#include "pdfjsbridge.h"
#include "pdfsample.h"
#include "loopbackserver.h"

#include <QSignalSpy>
#include <QStandardPaths>
#include <QLayout>
#include <QTemporaryDir>
#include <QtTest>

class TestPopWebView : public QObject
{
    Q_OBJECT

private slots:
    void loadBeforeAndAfterReady();
    void handsOverEveryByte();
    void refusesWithoutViewerOrFile();
    void initTwiceReplacesViewer();
    void findFieldTakesAnyText();
    void findFieldSurvivesPopupDeletedWhileWaiting();
    void showsPdfWithoutWebView();
    void failedViewerShowsNothing();
    void downloadEndsInViewerAndSparesOtherFiles();

private:
    static PdfJsBridge *bridge(PopWebView &popup) { return popup.m_pdf ? popup.m_pdf->bridge : nullptr; }
    static int pagesCount(PopWebView &popup)
    {
        return bridge(popup)->invokeJavaScriptAndWaitForResult("PDFViewerApplication.pagesCount").toInt();
    }
    static QString writePdf(const QTemporaryDir &dir, const QString &name, int pages)
    {
        QFile file(dir.filePath(name));
        file.open(QIODevice::WriteOnly);
        file.write(samplePdf(pages));
        return file.fileName();
    }
    static std::unique_ptr<PopWebView> makePopup()
    {
        auto popup = std::make_unique<PopWebView>(new InternalWebView(static_cast<QWidget *>(nullptr)), nullptr, "pop");
        popup->setAttribute(Qt::WA_DeleteOnClose, false); // the test owns it
        popup->createWg();
        popup->resize(700, 500);
        popup->show();
        return popup;
    }
};

void TestPopWebView::loadBeforeAndAfterReady()
{
    QTemporaryDir dir;
    auto popup = makePopup();
    popup->initPDFENV();
    QVERIFY(!popup->webView()->isVisible());
    QSignalSpy ready(bridge(*popup), &QWebEngineView::loadFinished);
    QVERIFY(popup->loadFile(writePdf(dir, "early.pdf", 2)));
    QVERIFY(!popup->m_pdf->data.isEmpty()); // waits for the viewer
    QVERIFY(ready.wait(20000));
    QTRY_COMPARE_WITH_TIMEOUT(pagesCount(*popup), 2, 15000);
    QVERIFY(popup->m_pdf->data.isEmpty());

    // The bytes reach the page through the viewer's own scheme, never as a Base64 script.
    bridge(*popup)->invokeJavaScriptAndWaitForResult(
            "window.__base64Calls = 0; window.__urls = [];"
            "var base64 = qpdf_ShowPdfFileBase64, fromHost = qpdf_ShowPdfFromHost;"
            "window.qpdf_ShowPdfFileBase64 = function (text) { ++window.__base64Calls; return base64(text); };"
            "window.qpdf_ShowPdfFromHost = function (url) { window.__urls.push(url); return fromHost(url); }; true");
    QVERIFY(popup->loadFile(writePdf(dir, QString::fromUtf8("年报 #1 'x'.pdf"), 3)));
    QTRY_COMPARE_WITH_TIMEOUT(pagesCount(*popup), 3, 15000);
    QCOMPARE(bridge(*popup)->invokeJavaScriptAndWaitForResult("window.__base64Calls").toInt(), 0);
    const QStringList urls = bridge(*popup)->invokeJavaScriptAndWaitForResult("window.__urls").toStringList();
    QCOMPARE(urls.size(), 1);
    QVERIFY2(urls.first().startsWith("kwpdf:"), qPrintable(urls.first()));
    // The same file again through its path, as after a reload of the viewer page.
    popup->renderPdfFile(popup->m_pdf->path);
    QTRY_COMPARE_WITH_TIMEOUT(pagesCount(*popup), 3, 15000);

    popup->closeDocument();
    QTRY_COMPARE_WITH_TIMEOUT(pagesCount(*popup), 0, 10000);
}

void TestPopWebView::handsOverEveryByte()
{
    // The page's opener is replaced by one that reports what it was given: every byte value,
    // each length modulo three, short files and ones above a megabyte must arrive unchanged.
    QTemporaryDir dir;
    auto popup = makePopup();
    popup->initPDFENV();
    QVERIFY(QSignalSpy(bridge(*popup), &QWebEngineView::loadFinished).wait(20000));
    bridge(*popup)->invokeJavaScriptAndWaitForResult(
            "window.qpdf_open = function (bytes) { var s = 0;"
            "  for (var i = 0; i < bytes.length; ++i) { s = (s * 31 + bytes[i]) % 2147483648; }"
            "  window.__got = bytes.length + ':' + s; }; true");
    const int sizes[] = {1, 2, 3, 4, 256, 257, 258, PdfJsBridge::PieceThreshold + 1, PdfJsBridge::PieceThreshold + 2};
    for (const int size : sizes) {
        QByteArray bytes(size, Qt::Uninitialized);
        quint32 sum = 0;
        for (int i = 0; i < size; ++i) {
            bytes[i] = char((i * 7 + size) & 255);
            sum = (sum * 31 + uchar(bytes[i])) & 0x7fffffff;
        }
        QFile file(dir.filePath(QString("bytes-%1.bin").arg(size)));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        bridge(*popup)->invokeJavaScriptAndWaitForResult("window.__got = null; true");
        QVERIFY(popup->loadFile(file.fileName()));
        QTRY_COMPARE_WITH_TIMEOUT(bridge(*popup)->invokeJavaScriptAndWaitForResult("window.__got").toString(),
                                  QString("%1:%2").arg(size).arg(sum), 20000);
    }
}

void TestPopWebView::refusesWithoutViewerOrFile()
{
    QTemporaryDir dir;
    auto popup = makePopup();
    QVERIFY(!popup->loadFile(writePdf(dir, "a.pdf", 1))); // no viewer yet
    popup->closeDocument(); // nothing to close: no effect
    popup->initPDFENV();
    QVERIFY(!popup->loadFile(dir.filePath("missing.pdf")));
    QVERIFY(popup->m_pdf->path.isEmpty());
}

void TestPopWebView::initTwiceReplacesViewer()
{
    auto popup = makePopup();
    popup->initPDFENV();
    QPointer<PdfJsBridge> first(bridge(*popup));
    popup->initPDFENV();
    QVERIFY(bridge(*popup) != first.data());
    QTRY_VERIFY(first.isNull()); // deleted later, its loadFinished gone with it
    QSignalSpy ready(bridge(*popup), &QWebEngineView::loadFinished);
    QVERIFY(ready.wait(20000));
    QVERIFY(popup->m_pdf->ready);
    QCOMPARE(popup->getCentralWidget()->layout()->count(), 2); // the hidden web view and one viewer
}

void TestPopWebView::findFieldTakesAnyText()
{
    auto popup = makePopup();
    popup->initPDFENV();
    QVERIFY(QSignalSpy(bridge(*popup), &QWebEngineView::loadFinished).wait(20000));
    // A text field drops line breaks by itself; everything else must arrive as it was.
    const QStringList texts = {"plain",       "say \"hi\"",     "back\\slash \\\"",
                               "line\nbreak", "');alert(1);('", QString::fromUtf8("净利润")};
    for (const QString &text : texts) {
        popup->setFindFieldText(text);
        QTRY_COMPARE_WITH_TIMEOUT(
                bridge(*popup)
                        ->invokeJavaScriptAndWaitForResult("PDFViewerApplication.findBar.findField.value")
                        .toString(),
                QString(text).remove('\n'), 5000);
    }
}

void TestPopWebView::findFieldSurvivesPopupDeletedWhileWaiting()
{
    auto *popup = makePopup().release();
    popup->initPDFENV();
    QVERIFY(QSignalSpy(bridge(*popup), &QWebEngineView::loadFinished).wait(20000));
    QPointer<PopWebView> watch(popup);
    // Closed (and so deleted) while the find call waits for the page's answer.
    QTimer::singleShot(0, popup, [popup] { delete popup; });
    popup->setFindFieldText("profit");
    QVERIFY(watch.isNull());
}

void TestPopWebView::showsPdfWithoutWebView()
{
    QTemporaryDir dir;
    PopWebView popup(nullptr, nullptr, "pdf only");
    popup.setAttribute(Qt::WA_DeleteOnClose, false);
    popup.createWg();
    popup.resize(700, 500);
    popup.show();
    QVERIFY(!popup.webView());
    popup.initPDFENV();
    QVERIFY(popup.loadFile(writePdf(dir, "alone.pdf", 3)));
    QTRY_COMPARE_WITH_TIMEOUT(pagesCount(popup), 3, 20000);
}

void TestPopWebView::failedViewerShowsNothing()
{
    QTemporaryDir dir;
    auto popup = makePopup();
    popup->initPDFENV();
    QSignalSpy loaded(bridge(*popup), &QWebEngineView::loadFinished);
    bridge(*popup)->setUrl(QUrl("http://127.0.0.1:1/viewer.html")); // nothing listens there
    QTRY_VERIFY_WITH_TIMEOUT(!loaded.isEmpty() && !loaded.last().first().toBool(), 20000);
    QVERIFY(!popup->m_pdf->ready);
    QVERIFY(popup->loadFile(writePdf(dir, "kept.pdf", 1)));
    QVERIFY(!popup->m_pdf->data.isEmpty()); // not handed to a page that is not there
}

void TestPopWebView::downloadEndsInViewerAndSparesOtherFiles()
{
    const QString downloads = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
    QVERIFY(QDir().mkpath(downloads));
    const QStringList bystanders = {"report.pdf", "report(1).pdf", "annual.pdf", "report.2019.pdf"};
    for (const QString &name : bystanders) {
        QFile file(downloads + "/" + name);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(name.toUtf8());
    }
    const QString ownFolder = PopWebView::downloadFolder();
    QVERIFY(QDir().mkpath(ownFolder));
    QFile stale(ownFolder + "/report.2019.pdf");
    QVERIFY(stale.open(QIODevice::WriteOnly));
    stale.write("an older copy");
    stale.close();
    QFile other(ownFolder + "/report.pdf");
    QVERIFY(other.open(QIODevice::WriteOnly));
    other.close();

    const QByteArray pdf = samplePdf(2, "Annual report 2019");
    // A report server hands the PDF out as an attachment.
    kwtest::LoopbackServer server;
    QVERIFY(server.isListening());
    auto route = kwtest::LoopbackServer::route(200, pdf);
    route.headers =
            "Content-Type: application/pdf\r\nContent-Disposition: attachment; filename=\"report.2019.pdf\"\r\n";
    server.routes.insert("/files/report.2019.pdf", route);
    const QString base = QString("http://127.0.0.1:%1/").arg(server.serverPort());
    InternalWebView page(QUrl("about:blank"), nullptr, nullptr);
    page.show();
    QVERIFY(QSignalSpy(&page, &QWebEngineView::loadFinished).wait(20000));
    page.setHtml(QString("<a id='pdf' href='%1files/report.2019.pdf' target='_blank'>report</a>").arg(base),
                 QUrl(base));
    QVERIFY(QSignalSpy(&page, &QWebEngineView::loadFinished).wait(20000));
    page.page()->runJavaScript("document.getElementById('pdf').click()");

    QTRY_VERIFY_WITH_TIMEOUT(!BaseView::instance().windows().isEmpty(), 10000);
    auto *popup = qobject_cast<PopWebView *>(BaseView::instance().windows().first());
    QVERIFY(popup);
    QTRY_VERIFY_WITH_TIMEOUT(bridge(*popup) && popup->m_pdf->ready, 20000);
    QTRY_COMPARE_WITH_TIMEOUT(pagesCount(*popup), 2, 20000);
    QCOMPARE(QFileInfo(popup->m_pdf->path).absolutePath(), QFileInfo(ownFolder).absoluteFilePath());

    QFile fetched(ownFolder + "/report.2019.pdf");
    QVERIFY(fetched.open(QIODevice::ReadOnly));
    QCOMPARE(fetched.readAll(), pdf);
    QVERIFY(QFile::exists(ownFolder + "/report.pdf"));
    for (const QString &name : bystanders) {
        QFile file(downloads + "/" + name);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(name));
        QCOMPARE(file.readAll(), name.toUtf8());
    }
    delete popup;
    QVERIFY(BaseView::instance().windows().isEmpty());
}

int main(int argc, char **argv)
{
    // Private home, cache and downloads folders: the test writes where a user's files would be.
    QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_CACHE_HOME", (home.path() + "/.cache").toUtf8());
    qputenv("XDG_DATA_HOME", (home.path() + "/.local/share").toUtf8());
    qputenv("XDG_CONFIG_HOME", (home.path() + "/.config").toUtf8());
    QApplication app(argc, argv);
    TestPopWebView test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_popwebview.moc"
