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
    void waitIsBounded();

private:
    int pagesCount() { return m_view->invokeJavaScriptAndWaitForResult("PDFViewerApplication.pagesCount").toInt(); }
    std::unique_ptr<PdfJsBridge> m_view;
};

void TestPdfJsBridge::initTestCase()
{
    m_view = std::make_unique<PdfJsBridge>();
    m_view->resize(800, 600);
    m_view->show();
    QSignalSpy loaded(m_view.get(), &QWebEngineView::loadFinished);
    m_view->setUrl(PdfJsBridge::viewerUrl());
    QVERIFY(loaded.wait(20000));
    QCOMPARE(loaded.first().first().toBool(), true);
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
    m_view->invokeJavaScript(QString("qpdf_ShowPdfFile(%1)").arg(QString("\"%1\"").arg(QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded))));
    QTRY_COMPARE_WITH_TIMEOUT(pagesCount(), 3, 15000);

    // Clearing the search keeps the document.
    QCOMPARE(m_view->invokeJavaScriptAndWaitForResult("PDFViewerApplication.findController.reset(); 'done'").toString(), QString("done"));
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
    QTest::newRow("joined") << "__take('" << "')" << text;
    QTest::newRow("member call, semicolon") << "window.__holder.take('" << "');  " << text;
    QTest::newRow("receiver") << "__collect('" << "')" << text;
    // Not the plain form: the script runs as it stands and the escape keeps its meaning.
    QTest::newRow("escaped quote") << "__take('it\\'s " << "')" << text;
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
