// Runs the gallery program headless as the README shows and checks what it leaves: one picture
// per page with real content in it, and the results that the live pages reported.

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

class TestGallery : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyPageHasItsPicture_data();
    void everyPageHasItsPicture();
    void livePagesReportTheirResults_data();
    void livePagesReportTheirResults();
    void reportIsARealPdf();

private:
    QTemporaryDir m_dir;
    QString m_output;
    int m_exitCode = -1;
};

void TestGallery::initTestCase()
{
    QVERIFY2(qEnvironmentVariableIsSet("DISPLAY"), "the gallery needs a display: run under xvfb-run");
    QProcess gallery;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("KW_ALLUSERS_DIR", m_dir.filePath("all users"));
    // Started as the README says, with nothing prepared: the gallery itself must tell the web
    // engine what it needs (no sandbox for root, no GPU where there is none).
    env.remove("QTWEBENGINE_CHROMIUM_FLAGS");
    env.remove("QTWEBENGINE_DISABLE_SANDBOX");
    gallery.setProcessEnvironment(env);
    gallery.start(KWGALLERY_PATH, {"--screenshots", m_dir.filePath("shots")});
    QVERIFY(gallery.waitForStarted());
    QVERIFY2(gallery.waitForFinished(90000), "the gallery did not finish its walk");
    m_output = QString::fromLocal8Bit(gallery.readAllStandardOutput());
    m_exitCode = gallery.exitStatus() == QProcess::NormalExit ? gallery.exitCode() : -2;
    QCOMPARE(m_exitCode, 0);
}

void TestGallery::everyPageHasItsPicture_data()
{
    QTest::addColumn<QString>("file");
    const QStringList pages{"bus", "windows", "navigation", "quotes", "web", "pdf", "charttools", "widgets", "update"};
    for (int i = 0; i < pages.size(); ++i) {
        const QString file = QString("%1-%2.png").arg(i + 1, 2, 10, QChar('0')).arg(pages[i]);
        QTest::newRow(qPrintable(pages[i])) << file;
    }
}

void TestGallery::everyPageHasItsPicture()
{
    QFETCH(QString, file);
    const QImage shot(QDir(m_dir.filePath("shots")).filePath(file));
    QVERIFY2(!shot.isNull(), qPrintable(file + " is missing or unreadable"));
    QVERIFY(shot.width() >= 800 && shot.height() >= 600);

    // The page area (right of the side bar, between the tabs and the status bar) must hold
    // drawn content: an empty page, or one whose stack never got laid out, is one flat colour.
    const QRect pageArea(shot.width() / 8, 80, shot.width() * 7 / 8 - 10, shot.height() - 150);
    QSet<QRgb> colours;
    for (int y = pageArea.top(); y < pageArea.bottom(); y += 2)
        for (int x = pageArea.left(); x < pageArea.right(); x += 2)
            colours.insert(shot.pixel(x, y));
    QVERIFY2(colours.size() > 40,
             qPrintable(QString("%1 has only %2 colours in its page area").arg(file).arg(colours.size())));
    QVERIFY(m_output.contains("wrote " + QDir::toNativeSeparators(QDir(m_dir.filePath("shots")).filePath(file))));
}

void TestGallery::livePagesReportTheirResults_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("result");
    // The bus page replays a message; the web page got the page's note over the channel; the
    // PDF viewer took the report; the chart tools read the built-in MACD definition through the
    // configuration; the real updater replaced the installation.
    QTest::newRow("bus") << "01-bus.png" << QString("结果：已重放上一条消息");
    QTest::newRow("web") << "05-web.png" << QString("结果：网页发来：网页备注");
    QTest::newRow("pdf") << "06-pdf.png" << QString("结果：报告已交给 PDF 查看器");
    QTest::newRow("charttools") << "07-charttools.png" << QString("结果：MACD：SHORT=12，LONG=26，MID=9");
    QTest::newRow("update") << "09-update.png" << QString("结果：升级完成");
}

void TestGallery::livePagesReportTheirResults()
{
    QFETCH(QString, page);
    QFETCH(QString, result);
    const QStringList lines = m_output.split('\n');
    int at = -1;
    for (int i = 0; i < lines.size(); ++i)
        if (lines[i].startsWith("wrote ") && lines[i].endsWith(page))
            at = i;
    QVERIFY2(at >= 0 && at + 1 < lines.size(), qPrintable(page + " not reported"));
    QVERIFY2(lines[at + 1].trimmed().startsWith(result), qPrintable(lines[at + 1]));
}

void TestGallery::reportIsARealPdf()
{
    QFile report(m_dir.filePath("all users/tmp/板块日报.pdf"));
    QVERIFY(report.open(QIODevice::ReadOnly));
    const QByteArray data = report.readAll();
    QVERIFY(data.startsWith("%PDF-"));
    QCOMPARE(data.count("/Type /Page\n") + data.count("/Type /Page "), 2);
}

QTEST_GUILESS_MAIN(TestGallery)
#include "tst_gallery.moc"
