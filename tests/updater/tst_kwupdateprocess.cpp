#include "updatertestkit.h"

#include "verinfoparse.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace kwtest;

// Runs the KwUpdate program itself, as the client starts it: parameters in a file, log in
// the all-users folder.
class TestKwUpdateProcess : public QObject
{
    Q_OBJECT

private slots:
    void runsFromParameterFile_data();
    void runsFromParameterFile();
};

void TestKwUpdateProcess::runsFromParameterFile_data()
{
    QTest::addColumn<bool>("withDir");
    QTest::addColumn<QString>("expectedLine");
    QTest::newRow("update") << true << "compressed files:";
    QTest::newRow("one-line parameter file") << false << "no installation folder given";
}

void TestKwUpdateProcess::runsFromParameterFile()
{
    QFETCH(bool, withDir);
    QFETCH(QString, expectedLine);

    QTemporaryDir dir;
    const QString allUsers = dir.path() + "/all users";
    const QString tmp = allUsers + "/tmp";
    const QString inst = dir.path() + "/客户端 kwfn";
    makeInstallation(inst);
    const auto before = snapshot(inst);

    LoopbackServer server;
    QVERIFY(makeZip(dir.path() + "/pkg.zip", goodPackage()));
    const QByteArray package = readAll(dir.path() + "/pkg.zip");
    server.routes.insert("/pkg.zip", LoopbackServer::route(200, package));
    UpdateFlowPrivate info;
    info.url = server.url("/pkg.zip");
    info.sha256 = sha256Hex(package);

    // The client writes Windows line ends; an earlier, longer run left its log behind.
    QByteArray params = VerInfoParse::toText(info).toUtf8() + "\r\n";
    if (withDir)
        params += inst.toLocal8Bit() + "\r\n";
    writeFile(tmp + "/updateparam.txt", params);
    writeFile(tmp + "/udpate_log.txt", QByteArray(20000, 'o') + "\nold run\n");

    QProcess updater;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("KW_ALLUSERS_DIR", allUsers);
    updater.setProcessEnvironment(env);
    updater.start(KWUPDATE_PATH, QStringList());
    QVERIFY(updater.waitForStarted());

    const QString log = tmp + "/udpate_log.txt";
    QTRY_VERIFY_WITH_TIMEOUT(QString::fromLocal8Bit(readAll(log)).contains(expectedLine), 20000);
    if (withDir) {
        // The window removes the package once the new installation is final.
        QTRY_VERIFY_WITH_TIMEOUT(!QFileInfo::exists(tmp + "/kwfn_update.zip"), 10000);
        QCOMPARE(readAll(inst + "/readme.txt"), QByteArray("新版本"));
        QVERIFY(QFileInfo(inst + "/kwfnd.exe").isExecutable());
    } else {
        QCOMPARE(snapshot(inst), before);
        QCOMPARE(server.requests, 0);
    }
    QVERIFY(updater.state() == QProcess::Running);     // waits for the user
    updater.kill();
    updater.waitForFinished();

    const QStringList lines = QString::fromLocal8Bit(readAll(log)).split('\n');
    QVERIFY(!lines.join('\n').contains("old run"));
    QVERIFY(!lines.join('\n').contains("ooo"));
    if (withDir) {
        QCOMPARE(lines.first(), QString("void Updater::startUpdate(QString, QString) download pack path: ") + info.url);
        QVERIFY(lines.contains("download finished"));
        QVERIFY(lines.contains("compressed:" + inst + ".kwupdate-pkg/kwfn_update.zip to:" + inst));
    }
}

QTEST_GUILESS_MAIN(TestKwUpdateProcess)
#include "tst_kwupdateprocess.moc"
