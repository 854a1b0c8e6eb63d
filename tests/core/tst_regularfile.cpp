#include "regularfile.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

// Small files the programs read at start sit in folders other users and programs can write:
// whatever is put there instead must neither block nor flood the reader.
class TestRegularFile : public QObject
{
    Q_OBJECT

private slots:
    void readsOnlyBoundedRegularFiles_data();
    void readsOnlyBoundedRegularFiles();
};

void TestRegularFile::readsOnlyBoundedRegularFiles_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("expected"); // "-": refused
    static QTemporaryDir dir;
    const QString d = dir.path();
    auto write = [](const QString &path, const QByteArray &data) {
        QFile f(path);
        return f.open(QIODevice::WriteOnly) && f.write(data) == data.size();
    };
    QVERIFY(write(d + "/cfg.json", "{\"a\":1}"));
    QVERIFY(write(d + "/big.json", QByteArray(1001, 'x')));
    QVERIFY(write(d + "/empty.json", ""));
    QVERIFY(QFile::link(d + "/cfg.json", d + "/link.json"));
    QVERIFY(QFile::link("/dev/zero", d + "/zero.json"));
    QVERIFY(::mkfifo(QFile::encodeName(d + "/fifo.json").constData(), 0600) == 0);
    QVERIFY(QFile::link(d + "/fifo.json", d + "/fifolink.json"));

    QTest::newRow("regular file") << d + "/cfg.json" << QByteArray("{\"a\":1}");
    QTest::newRow("empty file") << d + "/empty.json" << QByteArray("");
    QTest::newRow("link to a regular file") << d + "/link.json" << QByteArray("{\"a\":1}");
    QTest::newRow("over the bound") << d + "/big.json" << QByteArray("-");
    QTest::newRow("FIFO") << d + "/fifo.json" << QByteArray("-");
    QTest::newRow("link to a FIFO") << d + "/fifolink.json" << QByteArray("-");
    QTest::newRow("link to /dev/zero") << d + "/zero.json" << QByteArray("-");
    QTest::newRow("/dev/zero") << "/dev/zero" << QByteArray("-");
    QTest::newRow("folder") << d << QByteArray("-");
    QTest::newRow("missing") << d + "/nothing.json" << QByteArray("-");
    QTest::newRow("resource") << ":/kwcore/shortcuts.json" << QByteArray("resource");
}

void TestRegularFile::readsOnlyBoundedRegularFiles()
{
    QFETCH(QString, path);
    QFETCH(QByteArray, expected);
    QByteArray data = "left over";
    QString why;
    QElapsedTimer clock;
    clock.start();
    const bool ok = readRegularFile(path, expected == "resource" ? 1 << 20 : 1000, &data, &why);
    QVERIFY(clock.elapsed() < 1000);
    QCOMPARE(ok, expected != "-");
    QCOMPARE(why.isEmpty(), ok);
    if (expected == "resource")
        QVERIFY(data.contains("keys"));
    else
        QCOMPARE(data, ok ? expected : QByteArray());
}

QTEST_GUILESS_MAIN(TestRegularFile)
#include "tst_regularfile.moc"
