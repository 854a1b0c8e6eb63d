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
