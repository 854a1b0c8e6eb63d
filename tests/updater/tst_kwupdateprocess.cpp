#include "updatertestkit.h"

#include "verinfoparse.h"

#include <JlCompress.h>

#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

using namespace kwtest;

// Runs the KwUpdate program itself, as the client starts it (parameters in a file, log in the
// all-users folder), and as it is really treated: started twice, killed half-way, fed hostile
// packages, servers, folders and files. After every run the installation must be, byte for
// byte and mode for mode, the old one or the new one.
class TestKwUpdateProcess : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void runsFromParameterFile_data();
    void runsFromParameterFile();
    void overlappingRunsExcludeEachOther_data();
    void overlappingRunsExcludeEachOther();
    void killedRunIsRepairedByTheNext_data();
    void killedRunIsRepairedByTheNext();
    void hostilePackagesAndServers_data();
    void hostilePackagesAndServers();
    void refusesFolders_data();
    void refusesFolders();
    void boundedInputs_data();
    void boundedInputs();
    void logNeverFollowsLinks_data();
    void logNeverFollowsLinks();
    void signedPackages_data();
    void signedPackages();
    void trustedKeyComesFromTheInstallation();
    void lateCancelKeepsTheCompleteUpdate();
    void helpPrintsUsageOnly_data();
    void helpPrintsUsageOnly();

private:
    QString allUsers(int n = 1) const { return m_dir.path() + QString("/all users %1").arg(n); }
    QString tmp(int n = 1) const { return allUsers(n) + "/tmp"; }
    QString inst() const { return m_dir.path() + "/客户端 kwfn"; }
    QString logOf(int n = 1) const { return QString::fromLocal8Bit(readAll(tmp(n) + "/udpate_log.txt")); }
    QString describe(const QString &path, const QByteArray &package, const QByteArray &signature = {}) const;
    void writeParams(const QString &description, const QString &dir, int n = 1) const;
    QProcess *start(const QByteArray &pause = {}, int n = 1, const QString &workDir = {});
    QProcess *launch(const QString &description, const QString &dir, const QByteArray &pause = {}, int n = 1);
    bool waitForLog(const QString &text, int n = 1, int msec = 20000) const;
    int endWithEscape(QProcess *run);
    qint64 bytesBeside() const;

    QTemporaryDir m_root;
    QTemporaryDir m_dir;
    QScopedPointer<LoopbackServer> m_server;
    QList<QProcess *> m_runs;
    QByteArray m_package;
    QMap<QString, QByteArray> m_old;
    QMap<QString, QByteArray> m_new;
};

void TestKwUpdateProcess::initTestCase()
{
    QVERIFY(m_root.isValid());
    QVERIFY(makeZip(m_root.path() + "/good.zip", goodPackage()));
    m_package = readAll(m_root.path() + "/good.zip");
    // What an update must leave, made by QuaZip's own unpacking.
    QVERIFY(!JlCompress::extractDir(m_root.path() + "/good.zip", m_root.path() + "/new").isEmpty());
    m_new = snapshot(m_root.path() + "/new");
    QVERIFY(makeMinisignKey(m_root.path() + "/key a"));
    QVERIFY(makeMinisignKey(m_root.path() + "/key b"));
}

void TestKwUpdateProcess::init()
{
    m_dir.~QTemporaryDir();
    new (&m_dir) QTemporaryDir(m_root.path() + "/case-XXXXXX");
    makeInstallation(inst());
    m_old = snapshot(inst());
    m_server.reset(new LoopbackServer);
    m_server->routes.insert("/pkg.zip", LoopbackServer::route(200, m_package));
}

void TestKwUpdateProcess::cleanup()
{
    for (QProcess *run : qAsConst(m_runs)) {
        run->kill();
        run->waitForFinished();
    }
    qDeleteAll(m_runs);
    m_runs.clear();
}

QString TestKwUpdateProcess::describe(const QString &path, const QByteArray &package, const QByteArray &signature) const
{
    UpdateFlowPrivate info;
    info.url = path.startsWith('/') ? m_server->url(path) : path;
    info.sha256 = sha256Hex(package);
    info.signature = QString::fromUtf8(signature);
    return VerInfoParse::toText(info);
}

void TestKwUpdateProcess::writeParams(const QString &description, const QString &dir, int n) const
{
    // The client writes Windows line ends.
    writeFile(tmp(n) + "/updateparam.txt", description.toUtf8() + "\r\n" + dir.toLocal8Bit() + "\r\n");
}

QProcess *TestKwUpdateProcess::start(const QByteArray &pause, int n, const QString &workDir)
{
    auto *run = new QProcess;
    m_runs << run;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("KW_ALLUSERS_DIR", allUsers(n));
    if (!pause.isEmpty())
        env.insert("KW_UPDATE_TEST_PAUSE", pause);
    run->setProcessEnvironment(env);
    if (!workDir.isEmpty())
        run->setWorkingDirectory(workDir);
    run->start(KWUPDATE_PATH, QStringList());
    run->waitForStarted();
    return run;
}

QProcess *TestKwUpdateProcess::launch(const QString &description, const QString &dir, const QByteArray &pause, int n)
{
    writeParams(description, dir, n);
    return start(pause, n);
}

bool TestKwUpdateProcess::waitForLog(const QString &text, int n, int msec) const
{
    QElapsedTimer clock;
    clock.start();
    while (!logOf(n).contains(text)) {
        if (clock.elapsed() > msec)
            return false;
        QTest::qWait(20);
    }
    return true;
}

// The way a user ends the run: Esc on the window, which ends the process with the run's exit
// code once the update is over, and is refused while it runs.
int TestKwUpdateProcess::endWithEscape(QProcess *run)
{
    // The window may show a moment after the log says what the run is doing.
    QByteArray windows;
    QElapsedTimer clock;
    clock.start();
    while (windows.trimmed().isEmpty() && clock.elapsed() < 10000 && run->state() == QProcess::Running) {
        QProcess search;
        search.start("xdotool", {"search", "--onlyvisible", "--pid", QString::number(run->processId())});
        search.waitForFinished();
        windows = search.readAllStandardOutput();
        if (windows.trimmed().isEmpty())
            QTest::qWait(50);
    }
    for (const QByteArray &window : windows.split('\n')) {
        if (window.isEmpty())
            continue;
        QProcess key;
        key.start("xdotool", {"key", "--window", QString::fromLatin1(window), "Escape"});
        key.waitForFinished();
    }
    if (!run->waitForFinished(5000) || run->exitStatus() != QProcess::NormalExit)
        return -1;
    return run->exitCode();
}

// Everything in the folder that holds the installation and its siblings.
qint64 TestKwUpdateProcess::bytesBeside() const
{
    qint64 total = 0;
    QDirIterator it(m_dir.path(), QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        total += it.fileInfo().size();
    }
    return total;
}

void TestKwUpdateProcess::runsFromParameterFile_data()
{
    QTest::addColumn<bool>("withDir");
    QTest::addColumn<bool>("fromInstallation"); // started with the installation as working folder
    QTest::addColumn<QString>("expectedLine");
    QTest::newRow("update") << true << false << "compressed files:";
    QTest::newRow("update started from the installation") << true << true << "compressed files:";
    QTest::newRow("one-line parameter file") << false << false << "no installation folder given";
}

void TestKwUpdateProcess::runsFromParameterFile()
{
    QFETCH(bool, withDir);
    QFETCH(bool, fromInstallation);
    QFETCH(QString, expectedLine);

    // An earlier, longer run left its log behind.
    writeFile(tmp() + "/udpate_log.txt", QByteArray(20000, 'o') + "\nold run\n");
    writeParams(describe("/pkg.zip", m_package), withDir ? inst() : QString());
    QProcess *run = start({}, 1, fromInstallation ? inst() : QString());

    QVERIFY(waitForLog(withDir ? "update complete" : expectedLine));
    // The updater leaves the installation's folder, so that folder can be swapped on every system.
    QTRY_COMPARE(QFileInfo(QString("/proc/%1/cwd").arg(run->processId())).symLinkTarget(), tmp());
    if (withDir) {
        QTRY_COMPARE(snapshot(inst()), m_new);
    } else {
        QCOMPARE(snapshot(inst()), m_old);
        QCOMPARE(m_server->requests, 0);
    }
    QVERIFY(run->state() == QProcess::Running); // waits for the user
    QCOMPARE(endWithEscape(run), withDir ? 0 : 1);

    const QStringList lines = logOf().split('\n');
    QVERIFY(!lines.join('\n').contains("old run"));
    QVERIFY(!lines.join('\n').contains("ooo"));
    QCOMPARE(leftovers(inst()), QStringList());
    if (withDir) {
        QCOMPARE(lines.first(),
                 "void Updater::startUpdate(QString, QString) download pack path: " + m_server->url("/pkg.zip"));
        QVERIFY(lines.contains("download finished"));
        QVERIFY(lines.contains("compressed:" + inst() + ".kwupdate-pkg/kwfn_update.zip to:" + inst()));
    }
}

void TestKwUpdateProcess::overlappingRunsExcludeEachOther_data()
{
    QTest::addColumn<int>("secondAllUsers");
    QTest::addColumn<QString>("lockName");
    QTest::newRow("the client started twice") << 1 << "kwupdate.lock";
    QTest::newRow("two all-users folders, one installation") << 2 << "kwfn.kwupdate-lock";
}

void TestKwUpdateProcess::overlappingRunsExcludeEachOther()
{
    QFETCH(int, secondAllUsers);
    QFETCH(QString, lockName);
    QProcess *first = launch(describe("/pkg.zip", m_package), inst(), "download:2000");
    QVERIFY(waitForLog("test pause at download"));

    QProcess *second = launch(describe("/pkg.zip", m_package), inst(), {}, secondAllUsers);
    QVERIFY(waitForLog("another update", secondAllUsers));
    QVERIFY(logOf(secondAllUsers).contains(lockName));
    QCOMPARE(endWithEscape(second), 1);

    // The first run goes on undisturbed and its log keeps every line of both.
    QVERIFY(waitForLog("update complete"));
    QTRY_COMPARE(snapshot(inst()), m_new);
    QCOMPARE(endWithEscape(first), 0);
    QCOMPARE(logOf().contains("another update"), secondAllUsers == 1);
    QCOMPARE(m_server->requests, 1);
    QCOMPARE(leftovers(inst()), QStringList());
}

void TestKwUpdateProcess::killedRunIsRepairedByTheNext_data()
{
    QTest::addColumn<QByteArray>("stage");
    QTest::addColumn<bool>("newInPlace"); // the swap had gone through when the run died
    QTest::newRow("download") << QByteArray("download") << false;
    QTest::newRow("staging") << QByteArray("staging") << false;
    QTest::newRow("checked, before staging") << QByteArray("verified") << false;
    QTest::newRow("between the renames") << QByteArray("swap") << false;
    QTest::newRow("pause") << QByteArray("pause") << true;
    QTest::newRow("commit") << QByteArray("commit") << true;
}

void TestKwUpdateProcess::killedRunIsRepairedByTheNext()
{
    QFETCH(QByteArray, stage);
    QFETCH(bool, newInPlace);
    QProcess *killed = launch(describe("/pkg.zip", m_package), inst(), stage);
    QVERIFY(waitForLog("test pause at " + stage));
    killed->kill(); // as power loss or the task manager would
    QVERIFY(killed->waitForFinished());

    // The next run, whatever becomes of it (here: its package is gone), repairs first.
    QProcess *next = launch(describe("/gone.zip", m_package), inst());
    QVERIFY(waitForLog("update failed"));
    QCOMPARE(endWithEscape(next), 1);
    QCOMPARE(snapshot(inst()), newInPlace ? m_new : m_old);
    QCOMPARE(leftovers(inst()), QStringList());
}

void TestKwUpdateProcess::hostilePackagesAndServers_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("description"); // "" a description of the body as it is
    QTest::addColumn<QString>("logged");
    QTest::addColumn<bool>("chunked"); // no length announced

    // 300 MB of zeros packs into some 300 KB.
    QVERIFY(makeZip(m_root.path() + "/bomb.zip", {clientEntry(), {"zeros.bin", QByteArray(300 << 20, '\0')}}));
    const QByteArray bomb = readAll(m_root.path() + "/bomb.zip");
    UpdateFlowPrivate info;
    info.url = "/pkg.zip";
    info.sha256 = QString(64, 'c');
    QTest::newRow("bomb with a wrong checksum") << bomb << VerInfoParse::toText(info) << "has checksum" << false;
    QTest::newRow("bomb with its checksum") << bomb << ""
                                            << "more than 200 times" << false;
    info.sha256.clear();
    info.size = 1000;
    QTest::newRow("server announces more than described")
            << QByteArray(20 << 20, 'x') << VerInfoParse::toText(info) << "more than the 1000 allowed" << false;
    QTest::newRow("server keeps sending")
            << QByteArray(20 << 20, 'x') << VerInfoParse::toText(info) << "more than the 1000 bytes allowed" << true;

    QVERIFY(makeZip(m_root.path() + "/nul.zip", {clientEntry(), {"kwfnd.exe_.bak", "evil"}}));
    QByteArray nul = readAll(m_root.path() + "/nul.zip");
    nul.replace("kwfnd.exe_.bak", QByteArray("kwfnd.exe\0.bak", 14));
    QTest::newRow("NUL in an entry name") << nul << ""
                                          << "holds a NUL byte" << false;
}

void TestKwUpdateProcess::hostilePackagesAndServers()
{
    QFETCH(QByteArray, body);
    QFETCH(QString, description);
    QFETCH(QString, logged);
    QFETCH(bool, chunked);
    m_server->routes.insert("/pkg.zip", LoopbackServer::route(200, body, -1, true, chunked));
    if (description.isEmpty())
        description = describe("/pkg.zip", body);
    description.replace("\"/pkg.zip\"", '"' + m_server->url("/pkg.zip") + '"');

    const qint64 before = bytesBeside();
    QElapsedTimer clock;
    clock.start();
    QProcess *run = launch(description, inst());
    qint64 most = 0;
    // Checks come before the damage: nothing large is ever written.
    while (!logOf().contains("update failed") && clock.elapsed() < 20000) {
        most = qMax(most, bytesBeside() - before);
        QTest::qWait(5);
    }
    QVERIFY2(logOf().contains(logged), qPrintable(logOf()));
    QVERIFY2(clock.elapsed() < 3000, qPrintable(QString::number(clock.elapsed())));
    QVERIFY2(most < (50 << 20), qPrintable(QString::number(most)));
    QCOMPARE(endWithEscape(run), 1);
    QCOMPARE(snapshot(inst()), m_old);
    QCOMPARE(leftovers(inst()), QStringList());
}

void TestKwUpdateProcess::refusesFolders_data()
{
    QTest::addColumn<QString>("dir");
    QTest::newRow("/usr") << "/usr";
    QTest::newRow("/etc") << "/etc";
    QTest::newRow("inside the all-users folder") << "<allusers>/config";
    QTest::newRow("the all-users folder") << "<allusers>";
    QTest::newRow("trailing space") << "<inst> ";
    QTest::newRow("not there") << "<inst>-2";
    QTest::newRow("a link to the installation") << "<link>";
    QTest::newRow("a link, spelt with a trailing slash") << "<link>/";
    QTest::newRow("a dot-dot step through a link") << "<link>/../客户端 kwfn";
}

void TestKwUpdateProcess::refusesFolders()
{
    QFETCH(QString, dir);
    writeFile(allUsers() + "/config/kwcfg.json", "{\"shortcutFile\": \"shortcuts.json\"}");
    QVERIFY(QFile::link(inst(), m_dir.path() + "/link"));
    dir.replace("<allusers>", allUsers()).replace("<inst>", inst()).replace("<link>", m_dir.path() + "/link");
    QProcess *run = launch(describe("/pkg.zip", m_package), dir);
    QVERIFY(waitForLog("update failed"));
    QVERIFY(logOf().contains("installation folder"));
    QCOMPARE(endWithEscape(run), 1);
    QCOMPARE(m_server->requests, 0);
    QCOMPARE(snapshot(inst()), m_old);
    QVERIFY(QFileInfo::exists(tmp() + "/updateparam.txt"));
    QCOMPARE(readAll(allUsers() + "/config/kwcfg.json"), QByteArray("{\"shortcutFile\": \"shortcuts.json\"}"));
    QVERIFY(!QFileInfo::exists(inst() + " "));
    QVERIFY(!QFileInfo::exists(inst() + "-2"));
}

void TestKwUpdateProcess::boundedInputs_data()
{
    QTest::addColumn<QString>("what"); // which input is replaced
    QTest::addColumn<QString>("by"); // "fifo", "zero" (a link to /dev/zero), "huge", "none"
    QTest::addColumn<bool>("updates");
    QTest::newRow("parameter file missing") << "params"
                                            << "none" << false;
    QTest::newRow("parameter file of 1.1 GB") << "params"
                                              << "huge" << false;
    QTest::newRow("parameter file is a FIFO") << "params"
                                              << "fifo" << false;
    QTest::newRow("description file of 1.1 GB") << "description"
                                                << "huge" << false;
    QTest::newRow("description file is a FIFO") << "description"
                                                << "fifo" << false;
    QTest::newRow("description file is /dev/zero") << "description"
                                                   << "zero" << false;
    QTest::newRow("kwcfg.json is a FIFO") << "config"
                                          << "fifo" << true;
    QTest::newRow("kwcfg.json links to /dev/zero") << "config"
                                                   << "zero" << true;
}

void TestKwUpdateProcess::boundedInputs()
{
    QFETCH(QString, what);
    QFETCH(QString, by);
    QFETCH(bool, updates);
    const QString path = what == "params"        ? tmp() + "/updateparam.txt"
                         : what == "description" ? m_dir.path() + "/description.json"
                                                 : allUsers() + "/config/kwcfg.json";
    QString description = describe("/pkg.zip", m_package);
    if (what == "description") {
        writeFile(path, description.toUtf8());
        description = path;
    }
    writeParams(description, inst());
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile::remove(path);
    if (by == "fifo") {
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else if (by == "zero") {
        QVERIFY(QFile::link("/dev/zero", path));
    } else if (by == "huge") {
        // Sparse: the size says 1.1 GB, the disk holds nothing.
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QVERIFY(f.resize(qint64(1100) << 20));
    }
    QProcess *run = start();
    QVERIFY(waitForLog(updates ? "update complete" : "update failed", 1, 10000));
    QCOMPARE(endWithEscape(run), updates ? 0 : 1);
    QCOMPARE(snapshot(inst()), updates ? m_new : m_old);
    QCOMPARE(leftovers(inst()), QStringList());
}

void TestKwUpdateProcess::logNeverFollowsLinks_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("symbolic link") << "link";
    QTest::newRow("hard link") << "hard";
    QTest::newRow("FIFO") << "fifo";
}

void TestKwUpdateProcess::logNeverFollowsLinks()
{
    QFETCH(QString, kind);
    const QString victim = m_dir.path() + "/precious.txt";
    writeFile(victim, "the user's own file");
    const QString log = tmp() + "/udpate_log.txt";
    QDir().mkpath(tmp());
    if (kind == "link")
        QVERIFY(QFile::link(victim, log));
    else if (kind == "hard")
        QCOMPARE(::link(QFile::encodeName(victim).constData(), QFile::encodeName(log).constData()), 0);
    else
        QCOMPARE(::mkfifo(QFile::encodeName(log).constData(), 0600), 0);

    writeParams(describe("/pkg.zip", m_package), inst());
    QProcess *run = start();
    if (kind == "fifo") {
        // Nothing to write the log to but standard error, and nothing blocks.
        run->setReadChannel(QProcess::StandardError);
        QByteArray said;
        QTRY_VERIFY_WITH_TIMEOUT((said += run->readAllStandardError()).contains("update complete"), 20000);
    } else {
        QVERIFY(waitForLog("update complete"));
    }
    QCOMPARE(snapshot(inst()), m_new);
    QCOMPARE(endWithEscape(run), 0);
    QCOMPARE(readAll(victim), QByteArray("the user's own file"));
    if (kind != "fifo") {
        QVERIFY(!QFileInfo(log).isSymLink());
        QVERIFY(logOf().contains("compressed files:"));
    }
}

void TestKwUpdateProcess::signedPackages_data()
{
    QTest::addColumn<QString>("signer"); // key folder; "" unsigned
    QTest::addColumn<QString>("damage"); // "", "legacy", "tampered", "malformed"
    QTest::addColumn<bool>("trustKey"); // the installation carries key a
    QTest::addColumn<QString>("logged"); // "" installed
    QTest::newRow("signed") << "key a"
                            << "" << true << "";
    QTest::newRow("signed the legacy way") << "key a"
                                           << "legacy" << true << "";
    QTest::newRow("tampered, checksum matching") << "key a"
                                                 << "tampered" << true << "does not verify";
    QTest::newRow("signed by another key") << "key b"
                                           << "" << true << "signature made by key";
    QTest::newRow("unsigned") << ""
                              << "" << true << "not signed";
    QTest::newRow("malformed signature") << "key a"
                                         << "malformed" << true << "malformed";
    QTest::newRow("unsigned, no trusted key") << ""
                                              << "" << false << "";
}

void TestKwUpdateProcess::signedPackages()
{
    QFETCH(QString, signer);
    QFETCH(QString, damage);
    QFETCH(bool, trustKey);
    QFETCH(QString, logged);
    if (trustKey)
        QVERIFY(QFile::copy(m_root.path() + "/key a/pub", inst() + "/kwupdate.pub"));
    m_old = snapshot(inst());

    const QString file = m_dir.path() + "/pkg.zip";
    writeFile(file, m_package);
    QByteArray signature =
            signer.isEmpty() ? QByteArray() : minisignSignature(m_root.path() + "/" + signer, file, damage == "legacy");
    QByteArray body = m_package;
    if (damage == "tampered")
        body[body.size() / 2] = char(body.at(body.size() / 2) ^ 1); // the checksum follows the change
    else if (damage == "malformed")
        signature.replace(signature.indexOf('\n') + 5, 3, "!!!");
    m_server->routes.insert("/pkg.zip", LoopbackServer::route(200, body));

    QProcess *run = launch(describe("/pkg.zip", body, signature), inst());
    QVERIFY(waitForLog(logged.isEmpty() ? "update complete" : "update failed"));
    QVERIFY2(logged.isEmpty() || logOf().contains(logged), qPrintable(logOf()));
    QCOMPARE(logOf().contains("no trusted key"), !trustKey);
    QCOMPARE(endWithEscape(run), logged.isEmpty() ? 0 : 1);
    QCOMPARE(snapshot(inst()), logged.isEmpty() ? m_new : m_old);
    QCOMPARE(leftovers(inst()), QStringList());
}

void TestKwUpdateProcess::trustedKeyComesFromTheInstallation()
{
    QVERIFY(QFile::copy(m_root.path() + "/key a/pub", inst() + "/kwupdate.pub"));
    // A package signed with key a brings key b: b is trusted from the next update on.
    QList<Entry> rotating = goodPackage();
    rotating << Entry{"kwupdate.pub", readAll(m_root.path() + "/key b/pub")};
    const QString file = m_dir.path() + "/rotating.zip";
    QVERIFY(makeZip(file, rotating));

    struct Step
    {
        QString zip;
        QString key;
        bool installs;
    };
    const QList<Step> steps{{file, "key a", true}, {file, "key a", false}, {file, "key b", true}};
    for (const Step &step : steps) {
        const QByteArray body = readAll(step.zip);
        m_server->routes.insert("/pkg.zip", LoopbackServer::route(200, body));
        const QByteArray signature = minisignSignature(m_root.path() + "/" + step.key, step.zip);
        writeFile(tmp() + "/udpate_log.txt", "");
        QProcess *run = launch(describe("/pkg.zip", body, signature), inst());
        QVERIFY(waitForLog(step.installs ? "update complete" : "update failed"));
        QCOMPARE(endWithEscape(run), step.installs ? 0 : 1);
        QCOMPARE(readAll(inst() + "/kwupdate.pub"), readAll(m_root.path() + "/key b/pub"));
    }
}

void TestKwUpdateProcess::lateCancelKeepsTheCompleteUpdate()
{
    // What the client copied to the all-users folder, or what somebody else put there.
    writeFile(tmp() + "/kwfn/stale.txt", "not checked by anybody");
    QProcess *run = launch(describe("/pkg.zip", m_package), inst(), "commit:2500");
    QVERIFY(waitForLog("test pause at commit"));
    // The cancel button, as a user clicks it while the old copy is being deleted.
    QProcess search;
    search.start("xdotool", {"search", "--onlyvisible", "--pid", QString::number(run->processId())});
    search.waitForFinished();
    const QString window = QString::fromLatin1(search.readAllStandardOutput().split('\n').value(0));
    QVERIFY(!window.isEmpty());
    QCOMPARE(QProcess::execute("xdotool", {"mousemove", "--window", window, "254", "278", "click", "1"}), 0);

    QVERIFY(waitForLog("update complete"));
    QVERIFY(waitForLog("cancel came after the update was complete"));
    QCOMPARE(endWithEscape(run), 0);
    QCOMPARE(snapshot(inst()), m_new);
    QCOMPARE(leftovers(inst()), QStringList());
}

void TestKwUpdateProcess::helpPrintsUsageOnly_data()
{
    QTest::addColumn<QString>("argument");
    QTest::newRow("--help") << "--help";
    QTest::newRow("-h") << "-h";
    QTest::newRow("/?") << "/?";
}

// Asked for its usage, the program prints it and ends: no display needed, no window, no lock,
// no log, and a waiting update is left for the real run.
void TestKwUpdateProcess::helpPrintsUsageOnly()
{
    QFETCH(QString, argument);
    writeParams(describe("/pkg.zip", m_package), inst());
    QProcess run;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("KW_ALLUSERS_DIR", allUsers());
    env.remove("DISPLAY");
    env.insert("QT_QPA_PLATFORM", "xcb");
    run.setProcessEnvironment(env);
    run.start(KWUPDATE_PATH, {argument});
    QVERIFY(run.waitForFinished(10000));
    QCOMPARE(run.exitStatus(), QProcess::NormalExit);
    QCOMPARE(run.exitCode(), 0);
    const QString out = QString::fromUtf8(run.readAllStandardOutput());
    QVERIFY2(out.contains("updateparam.txt") && out.contains("--help"), qPrintable(out));
    QVERIFY(!QFile::exists(tmp() + "/udpate_log.txt"));
    QVERIFY(QFile::exists(tmp() + "/updateparam.txt"));
    QCOMPARE(snapshot(inst()), m_old);
}

QTEST_GUILESS_MAIN(TestKwUpdateProcess)
#include "tst_kwupdateprocess.moc"
