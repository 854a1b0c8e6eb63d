#include "web/internalwebview.h"
#include "web/popwebview.h"
#include "pdfjsbridge.h"
#include "pdfsample.h"

#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

// The PDF viewer as the popup shows it: in Chinese and a Chinese face, without the buttons an
// embedded viewer cannot serve, with a find bar that covers nothing, and with print and
// download buttons that work.
class TestPdfViewer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void speaksChinese_data();
    void speaksChinese();
    void everyLabelIsTranslated();
    void interfaceUsesChineseFace_data();
    void interfaceUsesChineseFace();
    void hidesWhatCannotWork();
    void findBarLeavesMatchInSight_data();
    void findBarLeavesMatchInSight();
    void downloadsNeverOverwrite();
    void printsTheRenderedPages();

private:
    QVariant js(const QString &script) { return m_bridge->invokeJavaScriptAndWaitForResult(script, 10000); }
    QDialog *printDialog() const
    {
        for (QDialog *dialog : m_popup->findChildren<QDialog *>())
            if (dialog->inherits("QPrintDialog") && dialog->isVisible())
                return dialog;
        return nullptr;
    }

    QTemporaryDir m_dir;
    QByteArray m_pdf;
    std::unique_ptr<PopWebView> m_popup;
    PdfJsBridge *m_bridge = nullptr;
};

void TestPdfViewer::initTestCase()
{
    m_pdf = samplePdf(2);
    QFile file(m_dir.filePath(QString::fromUtf8("季报.pdf")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(m_pdf);
    file.close();
    m_popup = std::make_unique<PopWebView>(new InternalWebView(static_cast<QWidget *>(nullptr)), nullptr, "pdf");
    m_popup->setAttribute(Qt::WA_DeleteOnClose, false); // the test owns it
    m_popup->createWg();
    // Narrow, as popups are: the viewer's find bar would wrap into several rows here.
    m_popup->resize(640, 560);
    m_popup->show();
    m_popup->initPDFENV();
    QVERIFY(m_popup->loadFile(file.fileName()));
    m_bridge = m_popup->findChild<PdfJsBridge *>();
    QVERIFY(m_bridge);
    QTRY_COMPARE_WITH_TIMEOUT(js("PDFViewerApplication.pagesCount").toInt(), 2, 30000);
    QTRY_VERIFY_WITH_TIMEOUT(js("PDFViewerApplication.pdfViewer.pageViewsReady").toBool(), 20000);
}

void TestPdfViewer::speaksChinese_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("text");
    QTest::newRow("page count") << "document.getElementById('numPages').textContent" << QString::fromUtf8("共 2 页");
    QTest::newRow("find field") << "document.getElementById('findInput').placeholder"
                                << QString::fromUtf8("在文档中查找…");
    QTest::newRow("find tooltip") << "document.getElementById('findInput').title" << QString::fromUtf8("查找");
    QTest::newRow("zoom")
            << "(function (s) { return s.options[s.selectedIndex].textContent; })(document.getElementById('scaleSelect'))"
            << QString::fromUtf8("自动缩放");
    QTest::newRow("print tooltip") << "document.getElementById('print').title" << QString::fromUtf8("打印");
    QTest::newRow("tools tooltip") << "document.getElementById('secondaryToolbarToggle').title"
                                   << QString::fromUtf8("工具");
}

void TestPdfViewer::speaksChinese()
{
    QFETCH(QString, script);
    QFETCH(QString, text);
    // The strings arrive after the page has loaded: wait for them.
    QTRY_COMPARE_WITH_TIMEOUT(js(script).toString(), text, 10000);
}

void TestPdfViewer::everyLabelIsTranslated()
{
    // Any text, tooltip or placeholder with a Latin word left in it (but "PDF") is a string the
    // viewer did not find among ours.
    const QString untranslated =
            js("Array.prototype.filter.call(document.querySelectorAll('[data-l10n-id]'), function (e) {"
               "  var shown = [e.textContent, e.title || '', e.placeholder || ''].join(' ').replace(/PDF/g, '');"
               "  return /[A-Za-z]{2,}/.test(shown);"
               "}).map(function (e) { return e.getAttribute('data-l10n-id'); }).join(',')")
                    .toString();
    QCOMPARE(untranslated, QString());
}

void TestPdfViewer::interfaceUsesChineseFace_data()
{
    QTest::addColumn<QString>("selector");
    QTest::newRow("toolbar") << "#toolbarContainer";
    QTest::newRow("page counter") << "#numPages";
    QTest::newRow("page field") << "#pageNumber";
    QTest::newRow("find field") << "#findInput";
    QTest::newRow("zoom") << "#scaleSelect";
    QTest::newRow("tools menu") << "#secondaryToolbar button";
    QTest::newRow("dialog button") << "#documentPropertiesClose";
}

void TestPdfViewer::interfaceUsesChineseFace()
{
    QFETCH(QString, selector);
    const QString family = js(QString("getComputedStyle(document.querySelector(%1)).fontFamily")
                                      .arg(PdfJsBridge::scriptLiteral(selector)))
                                   .toString();
    // The face this machine has must come before any generic family.
    const int cjk = family.indexOf("WenQuanYi Micro Hei");
    QVERIFY2(cjk >= 0, qPrintable(family));
    QVERIFY2(!family.left(cjk).contains("serif") && !family.left(cjk).contains("message-box"), qPrintable(family));
}

void TestPdfViewer::hidesWhatCannotWork()
{
    const QString shown = js("['openFile', 'secondaryOpenFile', 'presentationMode', 'secondaryPresentationMode',"
                             " 'viewBookmark', 'secondaryViewBookmark'].filter(function (id) {"
                             "  return getComputedStyle(document.getElementById(id)).display !== 'none'; }).join(',')")
                                  .toString();
    QCOMPARE(shown, QString());
    // Nor does the keyboard open another file.
    const QVariant opened = js("(function () { var opened = false, note = function () { opened = true; };"
                               "  PDFViewerApplication.eventBus.on('openfile', note);"
                               "  window.dispatchEvent(new KeyboardEvent('keydown', { keyCode: 79, ctrlKey: true }));"
                               "  PDFViewerApplication.eventBus.off('openfile', note);"
                               "  return opened; })()");
    QCOMPARE(opened, QVariant(false));
    // Print and download stay: on the toolbar, or in the tools menu when the window is narrow.
    const QString offered =
            js("[['print', 'secondaryPrint'], ['download', 'secondaryDownload']].map(function (pair) {"
               "  return pair.some(function (id) { return getComputedStyle(document.getElementById(id)).display !== 'none'; });"
               "}).join(',')")
                    .toString();
    QCOMPARE(offered, QString("true,true"));
}

void TestPdfViewer::findBarLeavesMatchInSight_data()
{
    QTest::addColumn<QString>("query");
    QTest::newRow("near the top of the first page") << "page 1";
    QTest::newRow("on the next page") << "page 2";
}

void TestPdfViewer::findBarLeavesMatchInSight()
{
    QFETCH(QString, query);
    js("PDFViewerApplication.findBar.close(); PDFViewerApplication.page = 1;"
       " document.getElementById('viewerContainer').scrollTop = 0; true");
    js(QString("document.getElementById('viewFind').click();"
               " var field = document.getElementById('findInput'); field.value = %1;"
               " field.dispatchEvent(new Event('input', { bubbles: true })); true")
               .arg(PdfJsBridge::scriptLiteral(query)));
    const QString where =
            "(function () {"
            "  var match = document.querySelector('.textLayer .highlight.selected');"
            "  if (!match) { return 'none'; }"
            "  var m = match.getBoundingClientRect(), bar = document.getElementById('findbar').getBoundingClientRect(),"
            "      view = document.getElementById('viewerContainer').getBoundingClientRect();"
            "  var covered = !(m.bottom <= bar.top || m.top >= bar.bottom || m.right <= bar.left || m.left >= bar.right);"
            "  var inView = m.top >= view.top && m.bottom <= view.bottom;"
            "  return (covered ? 'covered' : 'clear') + ',' + (inView ? 'in view' : 'out of view');"
            "})()";
    // The match is found, the pages scroll to it and the find bar's height settles.
    QTRY_COMPARE_WITH_TIMEOUT(js(where).toString(), QString("clear,in view"), 10000);
    QTest::qWait(500);
    QCOMPARE(js(where).toString(), QString("clear,in view"));
}

void TestPdfViewer::downloadsNeverOverwrite()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
    QVERIFY(QDir().mkpath(folder));
    const QString taken = QDir(folder).filePath(QString::fromUtf8("季报.pdf"));
    QFile mine(taken);
    QVERIFY(mine.open(QIODevice::WriteOnly));
    mine.write("the user's own file");
    mine.close();

    // Two presses in a row: the second download starts before the first has written anything.
    QSignalSpy saved(m_bridge, &PdfJsBridge::documentSaved);
    js("document.getElementById('download').click(); document.getElementById('download').click(); true");
    QTRY_COMPARE_WITH_TIMEOUT(saved.count(), 2, 20000);
    QStringList names;
    for (const QList<QVariant> &signal : saved) {
        const QString path = signal.first().toString();
        QCOMPARE(QFileInfo(path).absolutePath(), QFileInfo(folder).absoluteFilePath());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), m_pdf);
        names << QFileInfo(path).fileName();
    }
    names.sort();
    QCOMPARE(names, QStringList({QString::fromUtf8("季报 (1).pdf"), QString::fromUtf8("季报 (2).pdf")}));
    QVERIFY(mine.open(QIODevice::ReadOnly));
    QCOMPARE(mine.readAll(), QByteArray("the user's own file"));
    QCOMPARE(QDir(folder).entryList(QDir::Files).size(), 3);
    QTRY_VERIFY_WITH_TIMEOUT(
            js("document.getElementById('qpdfNotice').textContent").toString().contains(QString::fromUtf8("已下载到")),
            5000);
}

void TestPdfViewer::printsTheRenderedPages()
{
    const QString out = m_dir.filePath("printed.pdf");
    js("document.getElementById('print').click(); true");
    QDialog *dialog = nullptr;
    QTRY_VERIFY_WITH_TIMEOUT((dialog = printDialog()) != nullptr, 30000);
    // The viewer has thrown its print pictures away by now; ours wait for the printer.
    QTRY_COMPARE_WITH_TIMEOUT(js("document.getElementById('printContainer').childElementCount").toInt(), 0, 5000);
    QCOMPARE(js("document.querySelectorAll('#qpdfPrintContainer img').length").toInt(), 2);

    // Print to a file: the last printer of the dialog's list.
    auto *printers = dialog->findChild<QComboBox *>("printers");
    auto *fileName = dialog->findChild<QLineEdit *>("filename");
    QVERIFY(printers && fileName);
    printers->setCurrentIndex(printers->count() - 1);
    fileName->setText(out);
    dialog->accept();

    QTRY_COMPARE_WITH_TIMEOUT(js("document.querySelectorAll('#qpdfPrintContainer img').length").toInt(), 0, 60000);
    QFile printed(out);
    QVERIFY(printed.open(QIODevice::ReadOnly));
    const QByteArray bytes = printed.readAll();
    const QString text = QString::fromLatin1(bytes.constData(), bytes.size()); // NULs and all
    QCOMPARE(text.count(QRegularExpression("/Type\\s*/Page[^s]")), 2);
}

int main(int argc, char **argv)
{
    // A private home: the downloads go to its download folder.
    QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", (home.path() + "/.config").toUtf8());
    qputenv("XDG_CACHE_HOME", (home.path() + "/.cache").toUtf8());
    qputenv("XDG_DATA_HOME", (home.path() + "/.local/share").toUtf8());
    QApplication app(argc, argv);
    TestPdfViewer test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_pdfviewer.moc"
