#include "verinfoparse.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

class TestVerInfoParse : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void parse_data();
    void parse();
    void roundTripThroughFile_data();
    void roundTripThroughFile();

private:
    QTemporaryDir m_dir;
};

namespace {

const QString Digest = "9f86d081884c7d659a2feaa0c55ad015a3bf4f1b2b0b822cd15d6c15b0f00a08";

UpdateFlowPrivate fullRecord()
{
    UpdateFlowPrivate r;
    r.version = "2.3.1";
    r.name = "开发版 2.3";
    r.date = "2024-05-01";
    r.size = 10485760;
    r.notes = "修复若干问题\n提升 \"行情\" 稳定性";
    r.force = 1;
    r.url = "http://127.0.0.1:8080/pkg/kwfn_update.zip?t=1&x=%20";
    r.sha256 = Digest;
    r.minVersion = "2.0.0";
    r.type = 3;
    return r;
}

} // namespace

void TestVerInfoParse::initTestCase()
{
    QVERIFY(m_dir.isValid());
    qputenv("KW_ALLUSERS_DIR", QFile::encodeName(m_dir.path()));
}

void TestVerInfoParse::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<UpdateFlowPrivate>("expected");
    QTest::addColumn<QString>("warning"); // empty: the text is usable

    UpdateFlowPrivate upper = fullRecord();
    upper.notes = "n";
    QTest::newRow("every key, upper-case digest, Windows line end")
            << QString(R"({"version":"2.3.1","name":"开发版 2.3","date":"2024-05-01","size":10485760,"notes":"n",)"
                       R"("force":1,"url":"http://127.0.0.1:8080/pkg/kwfn_update.zip?t=1&x=%20","sha256":")" +
                       Digest.toUpper() + R"(","minVersion":"2.0.0","type":3})" + "\r")
            << upper << "";
    UpdateFlowPrivate onlyUrl;
    onlyUrl.url = "https://example.invalid/p.zip";
    QTest::newRow("missing keys stay empty")
            << R"({"url":"https://example.invalid/p.zip","sha256":""})" << onlyUrl << "";

    const UpdateFlowPrivate none;
    QTest::newRow("not JSON") << "version=2.3.1" << none << "not JSON";
    QTest::newRow("empty") << "" << none << "not JSON";
    QTest::newRow("array") << R"(["http://x/p.zip"])" << none << "not a JSON object";
    QTest::newRow("size as text") << R"({"url":"u","size":"12"})" << none << "\"size\" is not an integer";
    QTest::newRow("fractional size") << R"({"size":1.5})" << none << "\"size\" is not an integer";
    QTest::newRow("size beyond int") << R"({"size":4294967296})" << none << "\"size\" is not an integer";
    QTest::newRow("negative size") << R"({"size":-1})" << none << "\"size\" is negative";
    QTest::newRow("url as number") << R"({"url":5})" << none << "\"url\" is not a text";
    QTest::newRow("digest too short") << R"({"sha256":"abc"})" << none << "\"sha256\" is not a SHA-256";
    QTest::newRow("digest not hex") << QString(R"({"sha256":")" + QString(64, 'g') + R"("})") << none
                                    << "\"sha256\" is not a SHA-256";
    QTest::newRow("missing file") << "<dir>/absent/ver.json" << none << "cannot read";
    QTest::newRow("relative path is not read") << "ver.json" << none << "not JSON";
}

void TestVerInfoParse::parse()
{
    QFETCH(QString, text);
    QFETCH(UpdateFlowPrivate, expected);
    QFETCH(QString, warning);
    text.replace("<dir>", m_dir.path());
    if (!warning.isEmpty())
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression("^VerInfoParse: .*" + QRegularExpression::escape(warning)));
    QCOMPARE(VerInfoParse::updateInfoParse(text), expected);
}

void TestVerInfoParse::roundTripThroughFile_data()
{
    QTest::addColumn<UpdateFlowPrivate>("record");
    QTest::newRow("full record with line breaks and quotes in texts") << fullRecord();
    QTest::newRow("empty record") << UpdateFlowPrivate();
}

void TestVerInfoParse::roundTripThroughFile()
{
    QFETCH(UpdateFlowPrivate, record);
    const QString text = VerInfoParse::toText(record);
    QVERIFY(!text.contains('\n') && !text.contains('\r'));
    QCOMPARE(VerInfoParse::updateInfoParse(text), record);

    // The updater may get the path of a file holding the line instead of the line itself.
    const QString path = m_dir.filePath("ver.json");
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(text.toUtf8() + "\n");
    f.close();
    QCOMPARE(VerInfoParse::updateInfoParse(path), record);
}

QTEST_GUILESS_MAIN(TestVerInfoParse)
#include "tst_verinfoparse.moc"
