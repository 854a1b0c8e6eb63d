// The updater's own path (download, verify checksum and minisign signature, unpack, replace)
// against curl followed by unzip, on the same package served on loopback, in the same run.
// Each side runs as its own process, several times, the median kept. Also the updater's peak
// resident memory for a 10 MB and a 100 MB package: the package is streamed, never held whole,
// so the two stay close; and the cost of the signature check, the same package installed
// signed and unsigned.
//
//   FIGURE update_ratio <signed updater / curl+unzip>
//   FIGURE rss_growth_mb <peak RSS at 100 MB - peak RSS at 10 MB>
//   FIGURE verify_overhead <signed updater / unsigned updater>

#include "figures.h"
#include "updater.h"

#include "verinfoparse.h"

#include <quazip.h>
#include <quazipfile.h>
#include <quazipnewinfo.h>

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int Repetitions = 5;

// Peak resident set of this process, in KiB.
long peakRssKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}

// Child mode: one update through the worker, as KwUpdate runs it, with the settling pause
// set to zero. Prints the peak resident memory.
int runUpdater(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QString verText = QString::fromLocal8Bit(argv[2]);
    const QString installDir = QString::fromLocal8Bit(argv[3]);
    Updater updater;
    QThread thread;
    updater.setSettleTime(0);
    updater.moveToThread(&thread);
    QObject::connect(&updater, &Updater::signalProgress, &app, [](int progress, const QString &) {
        if (progress == 120)
            QCoreApplication::exit(0);
    });
    QObject::connect(&updater, &Updater::signalUpdateFailed, &app, [](int, const QString &why) {
        std::fprintf(stderr, "update failed: %s\n", qPrintable(why));
        QCoreApplication::exit(1);
    });
    thread.start();
    QMetaObject::invokeMethod(&updater, "startUpdate", Qt::QueuedConnection, Q_ARG(QString, verText),
                              Q_ARG(QString, installDir));
    const int rc = app.exec();
    thread.quit();
    thread.wait();
    std::printf("PEAK_RSS_KB %ld\n", peakRssKb());
    return rc;
}

// `files` entries, half of them text that compresses well, half random bytes.
bool makePackage(const QString &path, int files, int bytesPerFile)
{
    QuaZip zip(path);
    if (!zip.open(QuaZip::mdCreate))
        return false;
    QRandomGenerator rng(20240601);
    static const char *words[] = {"price ", "volume ", "600519 ", "close ", "open ", "涨幅 ", "成交额 ", "\n"};
    for (int i = 0; i < files; ++i) {
        QByteArray data;
        data.reserve(bytesPerFile);
        if (i % 2 == 0) {
            while (data.size() < bytesPerFile)
                data += words[rng.bounded(8)] + QByteArray::number(rng.bounded(100000)) + ' ';
            data.truncate(bytesPerFile);
        } else {
            data.resize(bytesPerFile);
            rng.fillRange(reinterpret_cast<quint32 *>(data.data()), bytesPerFile / 4);
        }
        QuaZipFile file(&zip);
        const QString name = QStringLiteral("kwfn/module%1/file%2.%3").arg(i % 40).arg(i).arg(i % 2 ? "dat" : "txt");
        if (!file.open(QIODevice::WriteOnly, QuaZipNewInfo(name)) || file.write(data) != data.size())
            return false;
        file.close();
    }
    zip.close();
    return zip.getZipError() == 0;
}

QString sha256Of(const QString &path)
{
    QFile f(path);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (f.open(QIODevice::ReadOnly))
        hash.addData(&f);
    return QString::fromLatin1(hash.result().toHex());
}

quint16 freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

bool waitForServer(quint16 port)
{
    for (int i = 0; i < 100; ++i) {
        QTcpSocket s;
        s.connectToHost(QHostAddress::LocalHost, port);
        if (s.waitForConnected(100))
            return true;
        QThread::msleep(50);
    }
    return false;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Runs a program to its end; returns the wall time in ms, or -1 when it failed.
double timed(const QString &program, const QStringList &args, const QProcessEnvironment &env, QByteArray *out = nullptr)
{
    QProcess p;
    p.setProcessEnvironment(env);
    QElapsedTimer clock;
    clock.start();
    p.start(program, args);
    if (!p.waitForFinished(300000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        std::fprintf(stderr, "%s failed: %s\n", qPrintable(program), p.readAllStandardError().constData());
        return -1;
    }
    const double ms = clock.nsecsElapsed() / 1e6;
    if (out)
        *out = p.readAllStandardOutput();
    return ms;
}

struct Measure
{
    double updaterMs = 0;
    double unsignedMs = 0;
    double anchorMs = 0;
    double peakRssMb = 0;
};

int run(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    return p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A key pair in work/key and the package's signature, made by the minisign tool as a release
// would be.
QString signPackage(const QString &work, const QString &zipPath)
{
    if (!QFileInfo::exists(work + "/key/pub")) {
        QDir().mkpath(work + "/key");
        if (run(QStringLiteral("minisign"), {"-G", "-W", "-p", work + "/key/pub", "-s", work + "/key/sec"}) != 0)
            return QString();
    }
    const QString sig = zipPath + QStringLiteral(".minisig");
    if (run(QStringLiteral("minisign"), {"-S", "-s", work + "/key/sec", "-m", zipPath, "-x", sig}) != 0)
        return QString();
    return QString::fromUtf8(readFile(sig));
}

bool measure(const QString &work, const QString &packageName, quint16 port, const QString &self, Measure *m)
{
    const QString zipPath = work + "/www/" + packageName;
    UpdateFlowPrivate info;
    info.url = QStringLiteral("http://127.0.0.1:%1/%2").arg(port).arg(packageName);
    info.sha256 = sha256Of(zipPath);
    const QString unsignedText = VerInfoParse::toText(info);
    info.signature = signPackage(work, zipPath);
    if (info.signature.isEmpty()) {
        std::fprintf(stderr, "cannot sign the package with minisign\n");
        return false;
    }
    const QString verText = VerInfoParse::toText(info);
    const QString installDir = work + "/install/kwfn";
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("KW_ALLUSERS_DIR"), work + "/allusers");

    // Same starting point for every run: a small existing installation that trusts the key.
    auto freshInstallation = [&] {
        QDir(work + "/install").removeRecursively();
        QDir(work + "/fresh").removeRecursively();
        QDir().mkpath(installDir);
        QFile marker(installDir + "/kwfnd.exe");
        marker.open(QIODevice::WriteOnly);
        marker.close();
        QFile::copy(work + "/key/pub", installDir + "/kwupdate.pub");
    };
    std::vector<double> updater, unsignedUpdater, anchor, rss;
    for (int rep = 0; rep < Repetitions; ++rep) {
        freshInstallation();
        QFile::remove(installDir + "/kwupdate.pub");
        const double plain = timed(self, {QStringLiteral("--child"), unsignedText, installDir}, env);

        freshInstallation();
        QByteArray out;
        const double u = timed(self, {QStringLiteral("--child"), verText, installDir}, env, &out);
        const double a =
                timed(QStringLiteral("/bin/sh"),
                      {QStringLiteral("-c"),
                       QStringLiteral("curl -s -f -o '%1/anchor.zip' '%2' && unzip -q '%1/anchor.zip' -d '%1/fresh'")
                               .arg(work, info.url)},
                      env);
        if (u < 0 || a < 0 || plain < 0)
            return false;
        updater.push_back(u);
        unsignedUpdater.push_back(plain);
        anchor.push_back(a);
        rss.push_back(out.mid(out.indexOf("PEAK_RSS_KB") + 12).trimmed().toDouble() / 1024.0);
        QFile::remove(work + "/anchor.zip");
    }
    m->updaterMs = median(updater);
    m->unsignedMs = median(unsignedUpdater);
    m->anchorMs = median(anchor);
    m->peakRssMb = *std::max_element(rss.begin(), rss.end());
    std::printf("%s: updater %.0f ms (unsigned %.0f ms), curl+unzip %.0f ms, updater peak RSS %.1f MB\n",
                qPrintable(packageName), m->updaterMs, m->unsignedMs, m->anchorMs, m->peakRssMb);
    std::fflush(stdout);
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 4 && qstrcmp(argv[1], "--child") == 0)
        return runUpdater(argc, argv);

    QCoreApplication app(argc, argv);
    QTemporaryDir work;
    QDir().mkpath(work.path() + "/www");
    std::printf("making packages...\n");
    std::fflush(stdout);
    if (!makePackage(work.path() + "/www/small.zip", 200, 50 * 1024) ||
        !makePackage(work.path() + "/www/large.zip", 2000, 50 * 1024)) {
        std::fprintf(stderr, "cannot make the packages\n");
        return 1;
    }

    const quint16 port = freePort();
    QProcess server;
    server.start(QStringLiteral("python3"),
                 {QStringLiteral("-m"), QStringLiteral("http.server"), QStringLiteral("--bind"),
                  QStringLiteral("127.0.0.1"), QString::number(port), QStringLiteral("--directory"),
                  work.path() + "/www"});
    if (!server.waitForStarted() || !waitForServer(port)) {
        std::fprintf(stderr, "cannot start python3 -m http.server\n");
        return 1;
    }

    Measure small, large;
    const QString self = QCoreApplication::applicationFilePath();
    const bool ok = measure(work.path(), QStringLiteral("small.zip"), port, self, &small) &&
                    measure(work.path(), QStringLiteral("large.zip"), port, self, &large);
    server.kill();
    server.waitForFinished();
    if (!ok)
        return 1;

    kwbench::figure("update_ratio", large.updaterMs / large.anchorMs);
    kwbench::figure("rss_growth_mb", large.peakRssMb - small.peakRssMb);
    kwbench::figure("verify_overhead", large.updaterMs / large.unsignedMs);
    return 0;
}
