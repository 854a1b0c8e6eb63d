#include "packageinstaller.h"
#include "updatertestkit.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace kwtest;

class TestPackageInstaller : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void refusesDangerousFolders_data();
    void refusesDangerousFolders();
    void installsGoodPackage();
    void badPackageKeepsInstallation_data();
    void badPackageKeepsInstallation();
    void rollbackPutsOldInstallationBack();
    void restoreFromBackup();
    void restoreWithoutBackupRemovesNothing();
    void asideCopyOfEarlierRunIsNeverReused();

private:
    QString inst() const { return m_dir.path() + "/client dir 客户端"; }
    QString zip() const { return m_dir.path() + "/pkg.zip"; }

    QTemporaryDir m_root;
    QTemporaryDir m_dir;
};

void TestPackageInstaller::initTestCase()
{
    QVERIFY(m_root.isValid());
    qputenv("KW_ALLUSERS_DIR", (m_root.path() + "/allusers").toUtf8());
}

void TestPackageInstaller::init()
{
    m_dir.~QTemporaryDir();
    new (&m_dir) QTemporaryDir(m_root.path() + "/case-XXXXXX");
    makeInstallation(inst());
}

void TestPackageInstaller::refusesDangerousFolders_data()
{
    QTest::addColumn<QString>("dir");
    QTest::addColumn<bool>("refused");
    const QString home = QDir::homePath();
    QTest::newRow("empty") << QString() << true;
    QTest::newRow("blank") << QString("  ") << true;
    QTest::newRow("relative") << QString("kwfn") << true;
    QTest::newRow("root") << QString("/") << true;
    QTest::newRow("root spelled with dots") << QString("/tmp/..") << true;
    QTest::newRow("home") << home << true;
    QTest::newRow("home with trailing slash") << home + "/" << true;
    QTest::newRow("above home") << QFileInfo(home).absolutePath() << true;
    QTest::newRow("working folder") << QDir::currentPath() << true;
    QTest::newRow("all-users folder") << m_root.path() + "/allusers" << true;
    QTest::newRow("above all-users folder") << m_root.path() << true;
    QTest::newRow("a file") << QString(QCoreApplication::applicationFilePath()) << true;
    QTest::newRow("installation") << m_root.path() + "/somewhere/kwfn" << false;
    QTest::newRow("not yet there") << m_root.path() + "/new place/kwfn" << false;
}

void TestPackageInstaller::refusesDangerousFolders()
{
    QFETCH(QString, dir);
    QFETCH(bool, refused);
    QDir().mkpath(m_root.path() + "/allusers");
    QCOMPARE(!PackageInstaller::refusalReason(dir).isEmpty(), refused);
}

void TestPackageInstaller::installsGoodPackage()
{
    const QList<Entry> entries = goodPackage();
    QVERIFY(makeZip(zip(), entries));
    PackageInstaller installer(inst());
    QStringList files;
    QVERIFY(installer.stagePackage(zip(), sha256Hex(readAll(zip())), &files));
    QVERIFY(files.contains(inst() + "/kwfnd.exe"));
    QVERIFY(installer.replace());
    installer.commit();

    QCOMPARE(readAll(inst() + "/data/quotes.txt"), entries.at(1).data);
    QVERIFY(QFileInfo(inst() + "/kwfnd.exe").isExecutable());
    QVERIFY(!QFileInfo::exists(inst() + "/.settings"));     // replaced, not merged
    QCOMPARE(leftovers(inst()), QStringList());
}

void TestPackageInstaller::badPackageKeepsInstallation_data()
{
    QTest::addColumn<QList<Entry>>("entries");
    QTest::addColumn<QByteArray>("damage");      // "corrupt": not a zip; "crc": one byte flipped
    QTest::addColumn<bool>("wrongSum");

    const QList<Entry> good = goodPackage();
    QTest::newRow("not a zip") << good << QByteArray("corrupt") << false;
    QTest::newRow("damaged entry") << good << QByteArray("crc") << false;
    QTest::newRow("checksum mismatch") << good << QByteArray() << true;
    QTest::newRow("empty package") << QList<Entry>() << QByteArray() << false;
    QTest::newRow("parent entry") << (good + QList<Entry>{{"../escaped.txt", "x"}}) << QByteArray() << false;
    QTest::newRow("nested parent entry") << (good + QList<Entry>{{"data/../../escaped.txt", "x"}}) << QByteArray() << false;
    QTest::newRow("absolute entry") << (good + QList<Entry>{{"/tmp/escaped.txt", "x"}}) << QByteArray() << false;
    QTest::newRow("drive entry") << (good + QList<Entry>{{"C:/escaped.txt", "x"}}) << QByteArray() << false;
    QTest::newRow("backslash parent entry") << (good + QList<Entry>{{"..\\escaped.txt", "x"}}) << QByteArray() << false;
    QTest::newRow("link entry") << (QList<Entry>{{"out", "/etc", false, true}, {"out/x", "x"}}) << QByteArray() << false;
}

void TestPackageInstaller::badPackageKeepsInstallation()
{
    QFETCH(QList<Entry>, entries);
    QFETCH(QByteArray, damage);
    QFETCH(bool, wrongSum);

    QVERIFY(makeZip(zip(), entries));
    if (damage == "corrupt") {
        writeFile(zip(), QByteArray("PK\3\4") + QByteArray(3000, '\x5a'));
    } else if (damage == "crc") {
        // Stored uncompressed, the run of 'q' is in the file as is; a flipped byte passes
        // inflation and only the CRC can catch it.
        QVERIFY(makeZip(zip(), {}));
        QuaZip z(zip());
        QVERIFY(z.open(QuaZip::mdCreate));
        QuaZipFile f(&z);
        QVERIFY(f.open(QIODevice::WriteOnly, QuaZipNewInfo("data.bin"), nullptr, 0, 0, 0));
        f.write(QByteArray(5000, 'q'));
        f.close();
        z.close();
        QByteArray bytes = readAll(zip());
        bytes[bytes.indexOf(QByteArray(100, 'q')) + 50] = 'Q';
        writeFile(zip(), bytes);
    }
    const QString sum = wrongSum ? QString(64, 'a') : QString();
    const auto before = snapshot(inst());

    PackageInstaller installer(inst());
    QVERIFY(!installer.stagePackage(zip(), sum, nullptr));
    QVERIFY(!installer.errorString().isEmpty());
    QCOMPARE(snapshot(inst()), before);
    QCOMPARE(leftovers(inst()), QStringList());
    QVERIFY(!QFileInfo::exists(m_dir.path() + "/escaped.txt"));
    QVERIFY(!QFileInfo::exists("/tmp/escaped.txt"));
}

void TestPackageInstaller::rollbackPutsOldInstallationBack()
{
    QVERIFY(makeZip(zip(), goodPackage()));
    const auto before = snapshot(inst());
    PackageInstaller installer(inst());
    QVERIFY(installer.stagePackage(zip(), QString(), nullptr));
    QVERIFY(installer.replace());
    QVERIFY(snapshot(inst()) != before);
    QVERIFY(installer.rollback());
    QCOMPARE(snapshot(inst()), before);
    QCOMPARE(leftovers(inst()), QStringList());
}

void TestPackageInstaller::restoreFromBackup()
{
    const QString backup = m_dir.path() + "/backup";
    QVERIFY(PackageInstaller::copyDir(inst(), backup, true));
    const auto before = snapshot(inst());
    writeFile(inst() + "/kwfnd.exe", "new client");
    writeFile(inst() + "/only-new.txt", "x");

    PackageInstaller installer(inst());
    QVERIFY(installer.restoreFrom(backup));
    QCOMPARE(snapshot(inst()), before);
    QCOMPARE(leftovers(inst()), QStringList());
}

void TestPackageInstaller::restoreWithoutBackupRemovesNothing()
{
    const auto before = snapshot(inst());
    PackageInstaller installer(inst());
    QVERIFY(!installer.restoreFrom(m_dir.path() + "/no backup"));
    QCOMPARE(snapshot(inst()), before);
}

void TestPackageInstaller::asideCopyOfEarlierRunIsNeverReused()
{
    // An interrupted run may have left the only copy of an older installation aside.
    writeFile(inst() + ".kwupdate-old/precious.txt", "keep me");
    QVERIFY(makeZip(zip(), goodPackage()));
    PackageInstaller installer(inst());
    QVERIFY(installer.stagePackage(zip(), QString(), nullptr));
    QVERIFY(installer.replace());
    installer.commit();
    QCOMPARE(readAll(inst() + ".kwupdate-old/precious.txt"), QByteArray("keep me"));
    QVERIFY(QFileInfo::exists(inst() + "/readme.txt"));
}

QTEST_GUILESS_MAIN(TestPackageInstaller)
#include "tst_packageinstaller.moc"
