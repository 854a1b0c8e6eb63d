#include "downloadupdate.h"
#include "loopbackserver.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QHash>
#include <QPointer>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <thread>

#include <sys/stat.h>

using kwtest::LoopbackServer;

class TestDownloadUpdate : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void succeeds_data();
    void succeeds();
    void fails_data();
    void fails();
    void abortMidTransfer();
    void secondDownloadAbortsFirst();
    void abortFromAnotherThread();
    void stalledTransferTimesOut();
    void writesCallersDeviceWithinLimit_data();
    void writesCallersDeviceWithinLimit();

private:
    QString packagePath() const { return m_dir.path() + "/allusers/tmp/kwfn_update.zip"; }
    static qint64 fileSize(const QString &path) { return QFileInfo(path).size(); }
    static void plant(const QString &path, const QByteArray &content);

    QTemporaryDir m_dir;
    QScopedPointer<LoopbackServer> m_server;
};

namespace {

QByteArray patterned(int size)
{
    QByteArray b(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        b[i] = char((i * 131 + i / 4096) & 0xff);
    return b;
}

const DownloadUpdate::DownloadType Package = DownloadUpdate::DownloadUpdatePackage;

} // namespace

void TestDownloadUpdate::initTestCase()
{
    QVERIFY(m_dir.isValid());
    qputenv("KW_ALLUSERS_DIR", QFile::encodeName(m_dir.path() + "/allusers"));
    m_server.reset(new LoopbackServer);
    QVERIFY(m_server->isListening());

    auto &r = m_server->routes;
    r["/pkg.zip"] = LoopbackServer::route(200, "PK\x03\x04 small package");
    r["/big.bin"] = LoopbackServer::route(200, patterned(6 << 20));
    r["/chunked"] = LoopbackServer::route(200, patterned(50000), -1, true, true);
    r["/moved"] = LoopbackServer::route(302, "", -1, true, false, "/pkg.zip");
    r["/files/quotes.dat"] = LoopbackServer::route(200, "600000,浦发银行");
    r["/missing"] = LoopbackServer::route(404, "<html>no such package</html>");
    r["/truncated"] = LoopbackServer::route(200, patterned(100000), 40000, true);
    r["/stall"] = LoopbackServer::route(200, patterned(1 << 20), 256 << 10, false);
    // Reading it would block the downloader's thread, and any abort with it.
    QCOMPARE(::mkfifo(QFile::encodeName(m_dir.path() + "/fifo").constData(), 0600), 0);
}

void TestDownloadUpdate::cleanup()
{
    // Stalled connections of the previous test must not linger into the next one.
    for (QTcpSocket *s : m_server->findChildren<QTcpSocket *>())
        s->abort();
    QFile::remove(packagePath());
}

void TestDownloadUpdate::plant(const QString &path, const QByteArray &content)
{
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(content);
}

void TestDownloadUpdate::succeeds_data()
{
    QTest::addColumn<QString>("url"); // "<srv>" is the loopback server
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("target"); // below the all-users folder
    QTest::addColumn<QByteArray>("body");

    const auto &r = m_server->routes;
    QTest::newRow("small package") << "<srv>/pkg.zip" << 3 << "tmp/kwfn_update.zip" << r["/pkg.zip"].body;
    QTest::newRow("large body streamed in chunks")
            << "<srv>/big.bin" << 3 << "tmp/kwfn_update.zip" << r["/big.bin"].body;
    QTest::newRow("chunked, length unknown") << "<srv>/chunked" << 3 << "tmp/kwfn_update.zip" << r["/chunked"].body;
    QTest::newRow("redirect followed") << "<srv>/moved" << 3 << "tmp/kwfn_update.zip" << r["/pkg.zip"].body;
    QTest::newRow("other type keeps the url's name")
            << "<srv>/files/quotes.dat" << 0 << "tmp/quotes.dat" << r["/files/quotes.dat"].body;
    QTest::newRow("file url") << "file://<dir>/source/pkg.zip" << 3 << "tmp/kwfn_update.zip" << patterned(300000);
}

void TestDownloadUpdate::succeeds()
{
    QFETCH(QString, url);
    QFETCH(int, type);
    QFETCH(QString, target);
    QFETCH(QByteArray, body);
    if (url.startsWith("file:"))
        plant(m_dir.path() + "/source/pkg.zip", body);
    url.replace("<srv>", m_server->url("")).replace("<dir>", m_dir.path());
    const QString path = m_dir.path() + "/allusers/" + target;
    plant(path, "stale package");

    DownloadUpdate d;
    QSignalSpy progress(&d, &DownloadUpdate::downloadProgress);
    QSignalSpy finished(&d, &DownloadUpdate::finished);
    bool started = false;
    d.downloadUnBlocked(QUrl(url), &started, DownloadUpdate::DownloadType(type));
    QVERIFY(started);
    QVERIFY(!QFile::exists(path)); // the stale file cannot be mistaken for the new one

    QVERIFY(finished.wait(20000));
    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.at(0).at(0).toString(), QString());
    QVERIFY(d.succeeded());
    QCOMPARE(d.filePath(), path);
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256),
             QCryptographicHash::hash(body, QCryptographicHash::Sha256));
    QVERIFY(!QFile::exists(path + ".part"));

    QList<int> values;
    for (const QList<QVariant> &args : progress)
        values << args.at(0).toInt();
    QVERIFY(!values.isEmpty());
    QCOMPARE(values.last(), 100);
    QCOMPARE(values.count(100), 1);
    QVERIFY2(std::is_sorted(values.begin(), values.end()), "progress went back");
}

void TestDownloadUpdate::fails_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<bool>("starts");
    QTest::addColumn<QString>("reason"); // a part of the reported text

    QTcpServer closed;
    QVERIFY(closed.listen(QHostAddress::LocalHost, 0));
    const QString refused = QString("http://127.0.0.1:%1/pkg.zip").arg(closed.serverPort());
    closed.close();

    QTest::newRow("404") << "<srv>/missing" << true << "HTTP 404";
    QTest::newRow("truncated body") << "<srv>/truncated" << true << "";
    QTest::newRow("connection refused") << refused << true << "";
    QTest::newRow("missing local file") << "file://<dir>/nowhere/pkg.zip" << false << "not a regular file";
    QTest::newRow("unsupported scheme") << "ftp://127.0.0.1/pkg.zip" << false << "unsupported URL scheme";
    QTest::newRow("local FIFO") << "file://<dir>/fifo" << false << "not a regular file";
    QTest::newRow("invalid url") << "http://[::1" << false << "invalid URL";
    QTest::newRow("empty url") << "" << false << "invalid URL";
}

void TestDownloadUpdate::fails()
{
    QFETCH(QString, url);
    QFETCH(bool, starts);
    QFETCH(QString, reason);
    url.replace("<srv>", m_server->url("")).replace("<dir>", m_dir.path());
    if (starts)
        plant(packagePath(), "stale package");

    DownloadUpdate d;
    QSignalSpy progress(&d, &DownloadUpdate::downloadProgress);
    QSignalSpy finished(&d, &DownloadUpdate::finished);
    bool started = !starts;
    d.downloadUnBlocked(QUrl(url), &started, Package);
    QCOMPARE(started, starts);

    QVERIFY(finished.wait(20000));
    QTest::qWait(100);
    QCOMPARE(finished.count(), 1);
    const QString text = finished.at(0).at(0).toString();
    QVERIFY(!text.isEmpty());
    QVERIFY2(text.contains(reason), qPrintable(text));
    QCOMPARE(d.errorString(), text);
    QVERIFY(!d.succeeded());
    QVERIFY(!QFile::exists(packagePath()));
    QVERIFY(!QFile::exists(packagePath() + ".part"));
    for (const QList<QVariant> &args : progress)
        QVERIFY(args.at(0).toInt() < 100);
}

void TestDownloadUpdate::abortMidTransfer()
{
    DownloadUpdate d;
    QSignalSpy progress(&d, &DownloadUpdate::downloadProgress);
    QSignalSpy finished(&d, &DownloadUpdate::finished);
    bool started = false;
    d.downloadUnBlocked(QUrl(m_server->url("/stall")), &started, Package);
    QVERIFY(started);

    // What arrived is on disk already, not held in memory until the end.
    QTRY_COMPARE_WITH_TIMEOUT(fileSize(packagePath() + ".part"), qint64(256 << 10), 10000);
    QTRY_VERIFY(!progress.isEmpty() && progress.last().at(0).toInt() == 25);
    QVERIFY(d.isRunning());

    d.abort();
    QCOMPARE(finished.count(), 1);
    QVERIFY(!finished.at(0).at(0).toString().isEmpty());
    QVERIFY(!QFile::exists(packagePath() + ".part"));
    QVERIFY(!QFile::exists(packagePath()));

    d.abort(); // nothing runs any more
    QTest::qWait(100);
    QCOMPARE(finished.count(), 1);

    // Destroyed while running: no signal to half-destroyed owners, but no leftovers either.
    {
        DownloadUpdate running;
        running.downloadUnBlocked(QUrl(m_server->url("/stall")), &started, Package);
        QTRY_VERIFY_WITH_TIMEOUT(fileSize(packagePath() + ".part") > 0, 10000);
    }
    QVERIFY(!QFile::exists(packagePath() + ".part"));
}

void TestDownloadUpdate::secondDownloadAbortsFirst()
{
    DownloadUpdate d;
    QSignalSpy finished(&d, &DownloadUpdate::finished);
    bool started = false;
    d.downloadUnBlocked(QUrl(m_server->url("/stall")), &started, Package);
    QTRY_VERIFY_WITH_TIMEOUT(fileSize(packagePath() + ".part") > 0, 10000);

    d.downloadUnBlocked(QUrl(m_server->url("/pkg.zip")), &started, Package);
    QVERIFY(started);
    QCOMPARE(finished.count(), 1);
    QVERIFY(!finished.at(0).at(0).toString().isEmpty());

    QVERIFY(finished.wait(10000));
    QCOMPARE(finished.count(), 2);
    QCOMPARE(finished.at(1).at(0).toString(), QString());
    QFile f(packagePath());
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), m_server->routes["/pkg.zip"].body);
}

void TestDownloadUpdate::abortFromAnotherThread()
{
    QThread worker;
    QPointer<DownloadUpdate> d = new DownloadUpdate;
    d->moveToThread(&worker);
    connect(&worker, &QThread::finished, d, &QObject::deleteLater);
    worker.start();

    QStringList texts; // filled on this thread through a queued connection
    connect(d, &DownloadUpdate::finished, this, [&texts](const QString &t) { texts << t; });
    bool started = false;
    const QUrl url(m_server->url("/stall"));
    QMetaObject::invokeMethod(
            d, [&] { d->downloadUnBlocked(url, &started, Package); }, Qt::BlockingQueuedConnection);
    QVERIFY(started);
    QTRY_COMPARE_WITH_TIMEOUT(fileSize(packagePath() + ".part"), qint64(256 << 10), 10000);

    DownloadUpdate *raw = d;
    std::thread([raw] { raw->abort(); }).join();
    QTRY_COMPARE_WITH_TIMEOUT(texts.size(), 1, 10000);
    QVERIFY(!texts.at(0).isEmpty());
    QTest::qWait(100);
    QCOMPARE(texts.size(), 1);
    QVERIFY(!QFile::exists(packagePath() + ".part"));
    QVERIFY(!QFile::exists(packagePath()));

    worker.quit();
    QVERIFY(worker.wait(10000));
    QVERIFY(d.isNull());
}

void TestDownloadUpdate::stalledTransferTimesOut()
{
    DownloadUpdate d;
    d.setTransferTimeout(300);
    QSignalSpy finished(&d, &DownloadUpdate::finished);
    bool started = false;
    d.downloadUnBlocked(QUrl(m_server->url("/stall")), &started, Package);
    QVERIFY(finished.wait(10000));
    QCOMPARE(finished.count(), 1);
    QVERIFY2(finished.at(0).at(0).toString().contains("nothing received"), qPrintable(finished.at(0).at(0).toString()));
    QVERIFY(!QFile::exists(packagePath() + ".part"));
}

void TestDownloadUpdate::writesCallersDeviceWithinLimit_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<qint64>("limit");
    QTest::addColumn<QString>("reason"); // empty: succeeds
    QTest::newRow("within the limit") << "/big.bin" << qint64(6 << 20) << "";
    QTest::newRow("announced beyond the limit") << "/big.bin" << qint64(1 << 20) << "announces";
    QTest::newRow("sent beyond the limit, length unknown") << "/chunked" << qint64(10000) << "sends more";
}

void TestDownloadUpdate::writesCallersDeviceWithinLimit()
{
    QFETCH(QString, path);
    QFETCH(qint64, limit);
    QFETCH(QString, reason);
    const QByteArray body = m_server->routes.value(path.toLatin1()).body;

    QBuffer device;
    QVERIFY(device.open(QIODevice::ReadWrite));
    DownloadUpdate d;
    d.setTargetDevice(&device);
    d.setMaxBytes(limit);
    QByteArray seen;
    connect(&d, &DownloadUpdate::dataWritten, this, [&seen](const QByteArray &chunk) { seen += chunk; });
    QSignalSpy finished(&d, &DownloadUpdate::finished);
    d.downloadUnBlocked(QUrl(m_server->url(path)), nullptr, Package);
    QVERIFY(finished.wait(20000));

    const QString text = finished.at(0).at(0).toString();
    QVERIFY2(reason.isEmpty() ? text.isEmpty() : text.contains(reason), qPrintable(text));
    // What was announced to the receiver is exactly what the device holds, never past the limit.
    QCOMPARE(seen, device.data());
    QVERIFY(device.size() <= limit);
    if (reason.isEmpty())
        QCOMPARE(device.data(), body);
    QVERIFY(device.isOpen());
    QVERIFY(!QFile::exists(packagePath()) && !QFile::exists(packagePath() + ".part"));
}

QTEST_GUILESS_MAIN(TestDownloadUpdate)
#include "tst_downloadupdate.moc"
