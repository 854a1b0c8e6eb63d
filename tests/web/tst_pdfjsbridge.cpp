#include "pdfjsbridge.h"
#include "pdfsample.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

class TestPdfJsBridge : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void viewerProvidesEntryPoints();
    void showsBase64AndFiles();
    void longLiteralsArriveWhole_data();
    void longLiteralsArriveWhole();
    void base64ReceiverTakesAnySplit();
    void showsLongBase64();
    void bridgesShowTheirOwnData();
    void laterCallWins_data();
    void laterCallWins();
    void servesOnlyDocumentsHeld_data();
    void servesOnlyDocumentsHeld();
    void bridgeDeletedWhileRead();
    void waitIsBounded();

private:
    static int pagesCount(PdfJsBridge &view)
    {
        return view.invokeJavaScriptAndWaitForResult("PDFViewerApplication.pagesCount").toInt();
    }
    int pagesCount() { return pagesCount(*m_view); }
    static std::unique_ptr<PdfJsBridge> viewer();
    static QUrl publish(PdfJsBridge &bridge, const QByteArray &bytes);
    static QString read(PdfJsBridge &reader, const QUrl &url);
    std::unique_ptr<PdfJsBridge> m_view;
};

std::unique_ptr<PdfJsBridge> TestPdfJsBridge::viewer()
{
    auto view = std::make_unique<PdfJsBridge>();
    view->resize(800, 600);
    view->show();
    QSignalSpy loaded(view.get(), &QWebEngineView::loadFinished);
    view->setUrl(PdfJsBridge::viewerUrl());
    return loaded.wait(20000) && loaded.first().first().toBool() ? std::move(view) : nullptr;
}

// The URL at which `bridge` offers `bytes`, kept from its page: the page's reader is replaced by
// one that only notes the URL.
QUrl TestPdfJsBridge::publish(PdfJsBridge &bridge, const QByteArray &bytes)
{
    bridge.invokeJavaScriptAndWaitForResult(
            "window.qpdf_ShowPdfFromHost = function (url) { window.__url = url; }; true");
    bridge.showPdfData(bytes);
    return QUrl(bridge.invokeJavaScriptAndWaitForResult("window.__url").toString());
}

// What the page of `reader` gets at `url`: "<status>:<byte count>", or "refused".
QString TestPdfJsBridge::read(PdfJsBridge &reader, const QUrl &url)
{
    reader.invokeJavaScriptAndWaitForResult(
            QString("window.__read = null; var x = new XMLHttpRequest(); x.open('GET', %1); x.responseType = 'arraybuffer';"
                    "x.onload = function () { window.__read = x.status + ':' + x.response.byteLength; };"
                    "x.onerror = x.onabort = function () { window.__read = 'refused'; }; x.send(); true")
                    .arg(PdfJsBridge::scriptLiteral(url.toString())));
    QElapsedTimer clock;
    clock.start();
    QString result;
    while (result.isEmpty() && clock.elapsed() < 10000) {
        QTest::qWait(10);
        result = reader.invokeJavaScriptAndWaitForResult("window.__read").toString();
    }
    return result;
}

void TestPdfJsBridge::initTestCase()
{
    m_view = viewer();
    QVERIFY(m_view);
}

void TestPdfJsBridge::viewerProvidesEntryPoints()
{
    const QString probe = "[typeof qpdf_ShowPdfFileBase64, typeof qpdf_ShowPdfFile,"
                          " typeof PDFViewerApplication.findController,"
                          " typeof PDFViewerApplication.findBar.findField].join(',')";
    QTRY_COMPARE_WITH_TIMEOUT(m_view->invokeJavaScriptAndWaitForResult(probe).toString(),
                              QString("function,function,object,object"), 10000);
    // The sample document of the viewer must not be opened on its own.
    QCOMPARE(pagesCount(), 0);
}

void TestPdfJsBridge::showsBase64AndFiles()
{
    const QByteArray pdf = samplePdf(2);
    m_view->invokeJavaScript(QString("qpdf_ShowPdfFileBase64('%1')").arg(QString::fromLatin1(pdf.toBase64())));
    QTRY_COMPARE_WITH_TIMEOUT(pagesCount(), 2, 15000);

    QTemporaryDir dir;
    const QString path = dir.filePath(QString::fromUtf8("季度 报告.pdf"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(samplePdf(3));
    file.close();
    m_view->invokeJavaScript(
            QString("qpdf_ShowPdfFile(%1)")
                    .arg(QString("\"%1\"").arg(QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded))));
    QTRY_COMPARE_WITH_TIMEOUT(pagesCount(), 3, 15000);

    // Clearing the search keeps the document.
    QCOMPARE(m_view->invokeJavaScriptAndWaitForResult("PDFViewerApplication.findController.reset(); 'done'").toString(),
             QString("done"));
    QCOMPARE(pagesCount(), 3);

    m_view->close();
    QTRY_COMPARE_WITH_TIMEOUT(pagesCount(), 0, 10000);
}

// The same checksum as the page's __check below, over UTF-16 code units.
static QString checksum(const QString &text)
{
    quint32 sum = 0;
    for (int i = 0; i < text.size(); ++i)
        sum = (sum * 31 + text.at(i).unicode()) & 0x7fffffff;
    return QString("%1:%2").arg(text.size()).arg(sum);
}

void TestPdfJsBridge::longLiteralsArriveWhole_data()
{
    QTest::addColumn<QString>("head");
    QTest::addColumn<QString>("tail");
    QTest::addColumn<QString>("literal");

    // Long enough for several pieces; a surrogate pair and Chinese stand across a piece's end.
    QString text;
    text.reserve(PdfJsBridge::PieceThreshold + PdfJsBridge::PieceSize);
    while (text.size() < PdfJsBridge::PieceSize - 1)
        text += QString("abc,.;/ 0123");
    text.truncate(PdfJsBridge::PieceSize - 1);
    text += QString::fromUtf8("\U0001F600季度");
    while (text.size() < PdfJsBridge::PieceThreshold + 1000)
        text += QString::fromUtf8("报告 report ");
    QTest::newRow("joined") << "__take('"
                            << "')" << text;
    QTest::newRow("member call, semicolon") << "window.__holder.take('"
                                            << "');  " << text;
    QTest::newRow("receiver") << "__collect('"
                              << "')" << text;
    // Not the plain form: the script runs as it stands and the escape keeps its meaning.
    QTest::newRow("escaped quote") << "__take('it\\'s "
                                   << "')" << text;
}

void TestPdfJsBridge::longLiteralsArriveWhole()
{
    QFETCH(QString, head);
    QFETCH(QString, tail);
    QFETCH(QString, literal);
    m_view->invokeJavaScriptAndWaitForResult(
            "window.__check = function (t) { var s = 0; for (var i = 0; i < t.length; ++i) { s = (s * 31 + t.charCodeAt(i)) % 2147483648; } return t.length + ':' + s; };"
            "window.__got = null; window.__pieces = 0;"
            "window.__take = function (t) { window.__got = window.__check(t); };"
            "window.__holder = { name: 'holder', take: function (t) { window.__got = this.name === 'holder' ? window.__check(t) : 'lost this'; } };"
            "window.__collect = function () { window.__got = 'called whole'; };"
            "window.__collect.receivePieces = function (n) { var parts = [];"
            "  return { add: function (p) { ++window.__pieces; parts.push(p); },"
            "           end: function () { var t = parts.join(''); window.__got = t.length === n ? window.__check(t) : 'length ' + n; } }; };"
            "true");
    m_view->invokeJavaScript(head + literal + tail);
    // Scripts given later run after the whole call.
    QCOMPARE(m_view->invokeJavaScriptAndWaitForResult("window.__got", 20000).toString(),
             checksum(head.endsWith("it\\'s ") ? "it's " + literal : literal));
    if (QByteArray(QTest::currentDataTag()) == "receiver")
        QVERIFY(m_view->invokeJavaScriptAndWaitForResult("window.__pieces").toInt() >= 4);
}

void TestPdfJsBridge::base64ReceiverTakesAnySplit()
{
    // Every length up to 40 bytes (all three paddings, also none at all), fed in pieces of one to
    // nine characters, must give exactly what decoding the whole text gives.
    const QVariant mismatches = m_view->invokeJavaScriptAndWaitForResult(R"(
        (function () {
          var bad = [];
          for (var n = 0; n <= 40; ++n) {
            var raw = "";
            for (var i = 0; i < n; ++i) { raw += String.fromCharCode((i * 97 + n * 13) & 255); }
            var padded = btoa(raw);
            [padded, padded.replace(/=+$/, "")].forEach(function (text) {
              for (var size = 1; size <= 9; ++size) {
                var got = null;
                var receiver = qpdf_base64Receiver(text.length, function (bytes) { got = bytes; });
                for (var at = 0; at < text.length; at += size) { receiver.add(text.substring(at, at + size)); }
                receiver.end();
                var same = got.length === n;
                for (var k = 0; same && k < n; ++k) { same = got[k] === raw.charCodeAt(k); }
                var whole = qpdf_decodeBase64(text);
                same = same && whole.length === n && whole.every(function (b, k) { return b === raw.charCodeAt(k); });
                if (!same) { bad.push(n + "/" + size + "/" + text); }
              }
            });
          }
          return bad.join(" ");
        })())");
    QCOMPARE(mismatches.toString(), QString());
}

void TestPdfJsBridge::showsLongBase64()
{
    int pages = 0;
    const QByteArray pdf = largePdf(PdfJsBridge::PieceThreshold + 300000, &pages);
    QVERIFY(pages >= 3);
    m_view->invokeJavaScript(QString("qpdf_ShowPdfFileBase64('%1')").arg(QString::fromLatin1(pdf.toBase64())));
    QTRY_COMPARE_WITH_TIMEOUT(pagesCount(), pages, 20000);
    m_view->close();
    QTRY_COMPARE_WITH_TIMEOUT(pagesCount(), 0, 10000);
}

void TestPdfJsBridge::bridgesShowTheirOwnData()
{
    // Two viewers of one profile, each given two documents in turn without a pause: each shows
    // its own later one.
    auto other = viewer();
    QVERIFY(other);
    m_view->showPdfData(samplePdf(2));
    other->showPdfData(samplePdf(4));
    m_view->showPdfData(samplePdf(3));
    other->showPdfData(samplePdf(5));
    QTRY_COMPARE_WITH_TIMEOUT(pagesCount(), 3, 15000);
    QTRY_COMPARE_WITH_TIMEOUT(pagesCount(*other), 5, 15000);
    // The document name still reaches a document handed over as bytes.
    m_view->setDocumentName(QString::fromUtf8("季报.pdf"));
    QCOMPARE(m_view->invokeJavaScriptAndWaitForResult("PDFViewerApplication._docFilename").toString(),
             QString::fromUtf8("季报.pdf"));
    m_view->close();
    QTRY_COMPARE_WITH_TIMEOUT(pagesCount(), 0, 10000);
    QCOMPARE(pagesCount(*other), 5);
}

void TestPdfJsBridge::laterCallWins_data()
{
    QTest::addColumn<QString>("later");
    QTest::addColumn<int>("pages");
    QTest::newRow("shown") << QString("qpdf_ShowPdfFileBase64('%1')").arg(QString::fromLatin1(samplePdf(3).toBase64()))
                           << 3;
    QTest::newRow("closed") << QString("qpdf_close()") << 0;
}

void TestPdfJsBridge::laterCallWins()
{
    // A document still on its way when another is shown, or the viewer closed, must not turn up
    // when it arrives.
    QFETCH(QString, later);
    QFETCH(int, pages);
    auto publisher = viewer();
    QVERIFY(publisher);
    const QUrl earlier = publish(*publisher, samplePdf(2));
    m_view->invokeJavaScript(
            QString("qpdf_ShowPdfFromHost(%1); %2").arg(PdfJsBridge::scriptLiteral(earlier.toString()), later));
    QTRY_COMPARE_WITH_TIMEOUT(pagesCount(), pages, 15000);
    QTest::qWait(500);
    QCOMPARE(pagesCount(), pages);
    m_view->close();
    QTRY_COMPARE_WITH_TIMEOUT(pagesCount(), 0, 10000);
}

void TestPdfJsBridge::servesOnlyDocumentsHeld_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("unknown id") << "unknown";
    QTest::newRow("closed") << "closed";
    QTest::newRow("replaced") << "replaced";
    QTest::newRow("bridge deleted") << "deleted";
    QTest::newRow("read once already") << "read";
    QTest::newRow("asked by a network page") << "network";
}

void TestPdfJsBridge::servesOnlyDocumentsHeld()
{
    QFETCH(QString, how);
    const QByteArray bytes(1000, 'p');
    auto publisher = viewer();
    QVERIFY(publisher);
    QUrl url = publish(*publisher, bytes);
    QVERIFY2(url.scheme() == "kwpdf" && url.path().size() == 32, qPrintable(url.toString()));
    const QUrl held = url;
    if (how == "unknown") {
        url.setPath(QString(32, '0'));
    } else if (how == "closed") {
        publisher->close();
    } else if (how == "replaced") {
        QVERIFY(publish(*publisher, bytes) != url);
    } else if (how == "deleted") {
        publisher.reset();
    } else if (how == "read") {
        QCOMPARE(read(*m_view, url), QString("200:1000"));
    } else if (how == "network") {
        // Pages from the network may not read documents, whatever their id: the document stays
        // for the viewer.
        PdfJsBridge page;
        page.setHtml("<p>news</p>", QUrl("http://127.0.0.1:1/"));
        QVERIFY(QSignalSpy(&page, &QWebEngineView::loadFinished).wait(10000));
        QCOMPARE(read(page, url), QString("refused"));
        QCOMPARE(read(*m_view, url), QString("200:1000"));
    }
    QCOMPARE(read(*m_view, url), QString("refused"));
    if (how == "unknown")
        QCOMPARE(read(*m_view, held), QString("200:1000")); // a known id is served meanwhile
}

void TestPdfJsBridge::bridgeDeletedWhileRead()
{
    // The viewer goes while its page reads a large document: nothing of it may be touched after.
    // Once the reply has begun, the page stops taking data for a while (its thread is kept
    // busy), so the engine is still reading the bytes when the viewer is deleted.
    auto doomed = viewer();
    QVERIFY(doomed);
    doomed->invokeJavaScriptAndWaitForResult(
            "var send = XMLHttpRequest.prototype.send;"
            "XMLHttpRequest.prototype.send = function () { var x = this;"
            "  x.addEventListener('readystatechange', function () { if (x.readyState !== 2) { return; }"
            "    document.title = 'reading'; var t = Date.now(); while (Date.now() - t < 1500) {} });"
            "  return send.apply(x, arguments); }; true");
    QSignalSpy title(doomed.get(), &QWebEngineView::titleChanged);
    doomed->showPdfData(QByteArray(24 << 20, 'x'));
    QTRY_VERIFY_WITH_TIMEOUT(title.contains({QString("reading")}), 20000);
    doomed.reset();
    QTest::qWait(300);
    QCOMPARE(m_view->invokeJavaScriptAndWaitForResult("6 * 7").toInt(), 42);
}

void TestPdfJsBridge::waitIsBounded()
{
    QElapsedTimer clock;
    clock.start();
    const QVariant result = m_view->invokeJavaScriptAndWaitForResult(
            "(function () { var t = Date.now(); while (Date.now() - t < 1500) {} return 1; })()", 200);
    QVERIFY(!result.isValid());
    QVERIFY(clock.elapsed() < 1400);
    QTRY_COMPARE_WITH_TIMEOUT(m_view->invokeJavaScriptAndWaitForResult("6 * 7").toInt(), 42, 5000);
}

QTEST_MAIN(TestPdfJsBridge)
#include "tst_pdfjsbridge.moc"
