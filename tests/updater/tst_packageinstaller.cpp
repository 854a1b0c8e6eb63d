#include "packageinstaller.h"
#include "packageunpacker.h"
#include "updatertestkit.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace kwtest;

namespace {

// Rewrites a stored name in both zip headers, for names QuaZip refuses to write.
void patchName(const QString &zip, const QByteArray &from, const QByteArray &to)
{
    QByteArray bytes = readAll(zip);
    QCOMPARE(bytes.count(from), 2);
    writeFile(zip, bytes.replace(from, to));
}

// Makes both headers of the only entry declare `size` uncompressed bytes.
void patchDeclaredSize(const QString &zip, quint32 size)
{
    QByteArray bytes = readAll(zip);
    const char le[4] = {char(size), char(size >> 8), char(size >> 16), char(size >> 24)};
    bytes.replace(bytes.indexOf("PK\3\4") + 22, 4, le, 4);
    bytes.replace(bytes.indexOf("PK\1\2") + 24, 4, le, 4);
    writeFile(zip, bytes);
}

} // namespace

class TestPackageInstaller : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void refusesDangerousFolders_data();
    void refusesDangerousFolders();
    void refusesEntryNames_data();
    void refusesEntryNames();
    void installsGoodPackage();
    void badPackageKeepsInstallation_data();
    void badPackageKeepsInstallation();
    void rollbackPutsOldInstallationBack();
    void restoreFromBackup();
    void restoreWithoutBackupRemovesNothing();
    void recoversInterruptedRun_data();
    void recoversInterruptedRun();

private:
    QString inst() const { return m_dir.path() + "/client dir 客户端"; }
    QString zip() const { return m_dir.path() + "/pkg.zip"; }
    bool stage(PackageInstaller &installer, QStringList *files = nullptr);

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

bool TestPackageInstaller::stage(PackageInstaller &installer, QStringList *files)
{
    QFile package(zip());
    return package.open(QIODevice::ReadOnly) && installer.stagePackage(&package, files);
}

void TestPackageInstaller::refusesDangerousFolders_data()
{
    QTest::addColumn<QString>("dir");
    QTest::addColumn<bool>("byPath"); // refused on the path alone, before anything is looked at
    QTest::addColumn<bool>("refused");
    const QString home = QDir::homePath();
    const QString somewhere = m_root.path() + "/somewhere/kwfn";
    QDir().mkpath(somewhere);
    QDir().mkpath(m_root.path() + "/allusers/config");
    QFile::link(somewhere, m_root.path() + "/link to kwfn");
    QFile::link(m_root.path() + "/somewhere", m_root.path() + "/linked parent");

    QTest::newRow("empty") << QString() << true << true;
    QTest::newRow("blank") << QString("  ") << true << true;
    QTest::newRow("relative") << QString("kwfn") << true << true;
    QTest::newRow("root") << QString("/") << true << true;
    QTest::newRow("root spelled with dots") << QString("/tmp/..") << true << true;
    QTest::newRow("home") << home << true << true;
    QTest::newRow("home with trailing slash") << home + "/" << true << true;
    QTest::newRow("above home") << QFileInfo(home).absolutePath() << true << true;
    QTest::newRow("all-users folder") << m_root.path() + "/allusers" << true << true;
    QTest::newRow("inside all-users folder") << m_root.path() + "/allusers/config" << true << true;
    QTest::newRow("above all-users folder") << m_root.path() << true << true;
    QTest::newRow("/usr") << QString("/usr") << true << true;
    QTest::newRow("inside /usr") << QString("/usr/share/doc") << true << true;
    QTest::newRow("/etc") << QString("/etc") << true << true;
    QTest::newRow("/lib64") << QString("/lib64") << true << true;
    QTest::newRow("/opt itself") << QString("/opt") << true << true;
    QTest::newRow("/var itself") << QString("/var") << true << true;
    QTest::newRow("a file") << QString(QCoreApplication::applicationFilePath()) << false << true;
    QTest::newRow("a link to the installation") << m_root.path() + "/link to kwfn" << false << true;
    QTest::newRow("not there") << m_root.path() + "/new place/kwfn" << false << true;
    QTest::newRow("trailing space") << somewhere + " " << false << true;
    QTest::newRow("a link, spelt with a trailing slash") << m_root.path() + "/link to kwfn/" << false << true;
    QTest::newRow("a dot-dot step through a link") << m_root.path() + "/link to kwfn/../kwfn" << true << true;
    QTest::newRow("a dot step") << somewhere + "/." << true << true;
    QTest::newRow("below a linked parent") << m_root.path() + "/linked parent/kwfn" << false << false;
    QTest::newRow("installation") << somewhere << false << false;
    QTest::newRow("installation with trailing slash") << somewhere + "/" << false << false;
    // Clients start the updater from their own folder: that must not count against it.
    QTest::newRow("working folder") << QDir::currentPath() << false << false;
}

void TestPackageInstaller::refusesDangerousFolders()
{
    QFETCH(QString, dir);
    QFETCH(bool, byPath);
    QFETCH(bool, refused);
    QCOMPARE(!PackageInstaller::pathRefusal(dir).isEmpty(), byPath);
    QCOMPARE(!PackageInstaller::refusalReason(dir).isEmpty(), refused);
}

void TestPackageInstaller::refusesEntryNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("refused");
    QTest::newRow("file") << "kwfnd.exe" << false;
    QTest::newRow("nested") << "data/行情/quotes.txt" << false;
    QTest::newRow("folder entry") << "data/" << false;
    QTest::newRow("dot file") << ".settings" << false;
    QTest::newRow("console-like but longer") << "console.txt" << false;
    QTest::newRow("tab") << "a\tb" << true;
    QTest::newRow("NUL") << QString::fromLatin1("kwfnd.exe\0.bak", 14) << true;
    QTest::newRow("DEL") << "a\x7f" << true;
    QTest::newRow("CON") << "CON" << true;
    QTest::newRow("nul with extension") << "nul.txt" << true;
    QTest::newRow("Com1 as a library") << "bin/Com1.dll" << true;
    QTest::newRow("aux as a folder") << "x/aux/y" << true;
    QTest::newRow("trailing dot") << "kwfnd.exe." << true;
    QTest::newRow("trailing space") << "data /x" << true;
    QTest::newRow("stream") << "kwfnd.exe:evil" << true;
    QTest::newRow("wildcard") << "a*b" << true;
    QTest::newRow("backslash") << "..\\escaped.txt" << true;
    QTest::newRow("empty step") << "a//b" << true;
    QTest::newRow("dot step") << "./a" << true;
    QTest::newRow("parent step") << "data/../../x" << true;
    QTest::newRow("absolute") << "/tmp/x" << true;
    QTest::newRow("drive") << "C:/x" << true;
    QTest::newRow("1024 characters") << QString(1024, 'a') << false;
    QTest::newRow("1025 characters") << QString(1025, 'a') << true;
}

void TestPackageInstaller::refusesEntryNames()
{
    QFETCH(QString, name);
    QFETCH(bool, refused);
    QCOMPARE(!PackageUnpacker::nameRefusal(name).isEmpty(), refused);
}

void TestPackageInstaller::installsGoodPackage()
{
    const QList<Entry> entries = goodPackage();
    QVERIFY(makeZip(zip(), entries));
    PackageInstaller installer(inst());
    QStringList files;
    QVERIFY(stage(installer, &files));
    QVERIFY(files.contains(inst() + "/kwfnd.exe"));
    QVERIFY(installer.replace());
    installer.commit();

    QCOMPARE(readAll(inst() + "/data/quotes.txt"), entries.at(1).data);
    QVERIFY(QFileInfo(inst() + "/kwfnd.exe").isExecutable());
    QVERIFY(!QFileInfo::exists(inst() + "/.settings")); // replaced, not merged
    QCOMPARE(leftovers(inst()), QStringList());
}

void TestPackageInstaller::badPackageKeepsInstallation_data()
{
    QTest::addColumn<QList<Entry>>("entries");
    // "corrupt": not a zip; "crc": one byte flipped; "nul": a NUL in a name; "lie": an entry
    // larger than it declares
    QTest::addColumn<QByteArray>("damage");

    const QList<Entry> good = goodPackage();
    QTest::newRow("not a zip") << good << QByteArray("corrupt");
    QTest::newRow("damaged entry") << good << QByteArray("crc");
    QTest::newRow("NUL in a name") << QList<Entry>{clientEntry(), {"kwfnd.exe_.bak", "evil"}} << QByteArray("nul");
    QTest::newRow("entry larger than declared")
            << QList<Entry>{{"data.bin", QByteArray(5000, 'q')}} << QByteArray("lie");
    QTest::newRow("empty package") << QList<Entry>() << QByteArray();
    QTest::newRow("parent entry") << (good + QList<Entry>{{"../escaped.txt", "x"}}) << QByteArray();
    QTest::newRow("absolute entry") << (good + QList<Entry>{{"/tmp/escaped.txt", "x"}}) << QByteArray();
    QTest::newRow("link entry") << (QList<Entry>{{"out", "/etc", false, true}, {"out/x", "x"}}) << QByteArray();
    QTest::newRow("names differing in case") << (good + QList<Entry>{{"KWFND.exe", "x"}}) << QByteArray();
    QTest::newRow("folders differing in case") << (good + QList<Entry>{{"Data/x.txt", "x"}}) << QByteArray();
    QTest::newRow("entry twice") << (good + QList<Entry>{{"readme.txt", "again"}}) << QByteArray();
    QTest::newRow("reserved name") << (good + QList<Entry>{{"bin/nul.dll", "x"}}) << QByteArray();
    // 20 MB of zeros pack into some 20 KB: a thousand times, far beyond any real program.
    QTest::newRow("zip bomb") << QList<Entry>{{"zeros.bin", QByteArray(20 << 20, '\0')}} << QByteArray();
}

void TestPackageInstaller::badPackageKeepsInstallation()
{
    QFETCH(QList<Entry>, entries);
    QFETCH(QByteArray, damage);

    QVERIFY(makeZip(zip(), entries));
    if (damage == "corrupt") {
        writeFile(zip(), QByteArray("PK\3\4") + QByteArray(3000, '\x5a'));
    } else if (damage == "crc" || damage == "lie") {
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
        if (damage == "crc") {
            QByteArray bytes = readAll(zip());
            bytes[bytes.indexOf(QByteArray(100, 'q')) + 50] = 'Q';
            writeFile(zip(), bytes);
        } else {
            patchDeclaredSize(zip(), 100);
        }
    } else if (damage == "nul") {
        patchName(zip(), "kwfnd.exe_.bak", QByteArray("kwfnd.exe\0.bak", 14));
    }
    const auto before = snapshot(inst());

    PackageInstaller installer(inst());
    QVERIFY(!stage(installer));
    QVERIFY(!installer.errorString().isEmpty());
    QVERIFY(!installer.lackedSpace());
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
    QVERIFY(stage(installer));
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

void TestPackageInstaller::recoversInterruptedRun_data()
{
    // What a run killed at some point leaves beside the installation, as the folders there:
    // "" the installation itself, "old", "new", "trash", "pkg"; "A" is the old installation,
    // "B" the new one, "partial" a folder half written or half deleted.
    QTest::addColumn<QStringList>("left");
    QTest::addColumn<QString>("expected");
    QTest::newRow("killed while downloading") << QStringList{"=A", "pkg=partial"} << "A";
    QTest::newRow("killed while staging") << QStringList{"=A", "new=partial"} << "A";
    QTest::newRow("killed between the renames") << QStringList{"old=A", "new=B"} << "A";
    QTest::newRow("killed in the pause") << QStringList{"=B", "old=A"} << "B";
    QTest::newRow("killed while deleting the old copy") << QStringList{"=B", "trash=partial"} << "B";
    QTest::newRow("killed while rolling back") << QStringList{"old=A", "new=B"} << "A";
    QTest::newRow("killed after rolling back") << QStringList{"=A", "new=B"} << "A";
    QTest::newRow("nothing left") << QStringList{"=A"} << "A";
}

void TestPackageInstaller::recoversInterruptedRun()
{
    QFETCH(QStringList, left);
    QFETCH(QString, expected);
    const QString a = m_dir.path() + "/A", b = m_dir.path() + "/B";
    makeInstallation(a);
    writeFile(b + "/kwfnd.exe", "new client");
    writeFile(b + "/data/new.txt", "n");
    const QMap<QString, QMap<QString, QByteArray>> look{{"A", snapshot(a)}, {"B", snapshot(b)}};

    QVERIFY(PackageInstaller::removeTree(inst()));
    for (const QString &item : left) {
        const QString role = item.section('=', 0, 0), content = item.section('=', 1);
        const QString path = role.isEmpty() ? inst() : inst() + ".kwupdate-" + role;
        if (content == "partial")
            writeFile(path + "/half.bin", "x");
        else
            QVERIFY(PackageInstaller::copyDir(content == "A" ? a : b, path, true));
    }
    PackageInstaller installer(inst());
    QVERIFY(installer.recover());
    QCOMPARE(snapshot(inst()), look.value(expected));
    QCOMPARE(leftovers(inst()), QStringList());
    // A second look finds nothing more to do.
    QVERIFY(installer.recover());
    QCOMPARE(snapshot(inst()), look.value(expected));
}

QTEST_GUILESS_MAIN(TestPackageInstaller)
#include "tst_packageinstaller.moc"
