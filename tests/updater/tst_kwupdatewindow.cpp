#include "kwupdatewindow.h"
#include "packageinstaller.h"
#include "updatefailure.h"
#include "updater.h"
#include "updatertestkit.h"

#include "verinfoparse.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QtTest>

using namespace kwtest;

Q_DECLARE_METATYPE(UpdateFailure)

namespace {

const QString FailedTip = QStringLiteral("更新失败，已保留原有程序");

void sendMouse(QWidget *w, QEvent::Type type, QPoint global, Qt::MouseButton button, Qt::MouseButtons held)
{
    const QPoint local = w->mapFromGlobal(global);
    QMouseEvent ev(type, local, local, global, button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &ev);
}

} // namespace

class TestKwUpdateWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void completesAndRestarts_data();
    void completesAndRestarts();
    void cancelDuringDownloadKeepsInstallation();
    void cancelAfterReplacementRestores();
    void failureKeepsInstallation_data();
    void failureKeepsInstallation();
    void closeRefusedWhileRunning();
    void escapeGoesTheCloseButtonsWay();
    void dragMovesFromSurfaceNotFromButtons_data();
    void dragMovesFromSurfaceNotFromButtons();
    void firstDragStartsWhereTheWindowReallyIs();

private:
    QString tmp() const { return m_dir.path() + "/allusers/tmp"; }
    QString inst() const { return m_dir.path() + "/程序 files/kwfn"; }
    QString describe(const QString &path, const QByteArray &package, bool withSum = true) const;
    void serve(const QByteArray &body, qint64 sendBytes = -1, bool hangUp = true);
    KwUpdateWindow *start(const QString &verText, const QString &dir, int settleMs = 50);
    QAbstractButton *button(const char *name) const { return m_window->findChild<QAbstractButton *>(name); }
    QString tip() const { return m_window->findChild<QLabel *>("lab_mid_update_tips")->text(); }
    int page() const { return m_window->findChild<QStackedWidget *>("UpdateStackWidget")->currentIndex(); }
    int clickForExitCode(const char *name);

    QTemporaryDir m_root;
    QTemporaryDir m_dir;
    QScopedPointer<LoopbackServer> m_server;
    KwUpdateWindow *m_window = nullptr;
    QMap<QString, QByteArray> m_before;
    QByteArray m_package;
};

void TestKwUpdateWindow::initTestCase()
{
    QVERIFY(m_root.isValid());
    KwObject::init();
    QList<Entry> entries = goodPackage();
    QVERIFY(makeZip(m_root.path() + "/good.zip", entries));
    m_package = readAll(m_root.path() + "/good.zip");
}

void TestKwUpdateWindow::init()
{
    m_dir.~QTemporaryDir();
    new (&m_dir) QTemporaryDir(m_root.path() + "/case-XXXXXX");
    qputenv("KW_ALLUSERS_DIR", (m_dir.path() + "/allusers").toUtf8());
    makeInstallation(inst());
    QVERIFY(QDir().mkpath(tmp()));
    QVERIFY(PackageInstaller::copyDir(inst(), tmp() + "/kwfn", true));
    m_before = snapshot(inst());
    m_server.reset(new LoopbackServer);
}

void TestKwUpdateWindow::cleanup()
{
    delete m_window;
    m_window = nullptr;
    m_server.reset();
}

QString TestKwUpdateWindow::describe(const QString &path, const QByteArray &package, bool withSum) const
{
    UpdateFlowPrivate info;
    info.version = "2.6.1";
    info.url = path.startsWith("http") ? path : m_server->url(path);
    info.sha256 = withSum ? sha256Hex(package) : QString();
    return VerInfoParse::toText(info);
}

void TestKwUpdateWindow::serve(const QByteArray &body, qint64 sendBytes, bool hangUp)
{
    m_server->routes.insert("/pkg.zip", LoopbackServer::route(200, body, sendBytes, hangUp));
}

KwUpdateWindow *TestKwUpdateWindow::start(const QString &verText, const QString &dir, int settleMs)
{
    m_window = new KwUpdateWindow;
    m_window->updater()->setSettleTime(settleMs);
    m_window->show();
    if (!QTest::qWaitForWindowExposed(m_window))
        return nullptr;
    m_window->beginUpdate(verText, dir);
    return m_window;
}

int TestKwUpdateWindow::clickForExitCode(const char *name)
{
    QSignalSpy quit(m_window, &KwUpdateWindow::signalQuit);
    button(name)->click();
    return quit.count() == 1 ? quit.at(0).at(0).toInt() : -99;
}

void TestKwUpdateWindow::completesAndRestarts_data()
{
    QTest::addColumn<bool>("restart");
    QTest::newRow("restart") << true;
    QTest::newRow("no restart") << false;
}

void TestKwUpdateWindow::completesAndRestarts()
{
    QFETCH(bool, restart);
    serve(m_package);
    QVERIFY(start(describe("/pkg.zip", m_package), inst()));
    QCOMPARE(page(), 1);
    QTRY_COMPARE_WITH_TIMEOUT(page(), 2, 15000);

    QCOMPARE(tip(), QString("更新完成..."));
    QCOMPARE(m_window->findChild<QProgressBar *>("pg_mid_progress")->value(), 120);
    QCOMPARE(readAll(inst() + "/readme.txt"), QByteArray("新版本"));
    QVERIFY(!QFileInfo::exists(inst() + "/cfg/user.json"));
    QVERIFY(!QFileInfo::exists(tmp() + "/kwfn_update.zip"));
    QCOMPARE(leftovers(inst()), QStringList());

    m_window->findChild<QCheckBox *>("cbox_end_sel")->setChecked(restart);
    QCOMPARE(clickForExitCode("btn_end_over"), 0);
    if (restart) {
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(inst() + "/started.txt"), 5000);
    } else {
        QTest::qWait(300);
        QVERIFY(!QFileInfo::exists(inst() + "/started.txt"));
    }
    QVERIFY(m_window->close()); // the end page may be closed
}

void TestKwUpdateWindow::cancelDuringDownloadKeepsInstallation()
{
    serve(m_package, m_package.size() / 2, false);
    QVERIFY(start(describe("/pkg.zip", m_package), inst()));
    auto *bar = m_window->findChild<QProgressBar *>("pg_mid_progress");
    QTRY_VERIFY_WITH_TIMEOUT(bar->value() > 10, 10000);
    QVERIFY(bar->value() < 110);

    QCOMPARE(clickForExitCode("btn_mid_cancle"), 0);
    QCOMPARE(tip(), QString("更新已经取消"));
    QCOMPARE(snapshot(inst()), m_before);
    QVERIFY(!QFileInfo::exists(tmp() + "/kwfn_update.zip"));
    QVERIFY(!QFileInfo::exists(tmp() + "/kwfn_update.zip.part"));
}

void TestKwUpdateWindow::cancelAfterReplacementRestores()
{
    serve(m_package);
    QVERIFY(start(describe("/pkg.zip", m_package), inst(), 1500));
    // The new installation is in place and settling.
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(inst() + "/readme.txt"), 10000);

    QCOMPARE(clickForExitCode("btn_mid_cancle"), 0);
    QCOMPARE(tip(), QString("更新已经取消"));
    QCOMPARE(page(), 1);
    QCOMPARE(snapshot(inst()), m_before);
    QCOMPARE(leftovers(inst()), QStringList());
    QVERIFY(!QFileInfo::exists(tmp() + "/kwfn_update.zip"));
}

void TestKwUpdateWindow::failureKeepsInstallation_data()
{
    QTest::addColumn<QString>("path"); // what the version description points at
    QTest::addColumn<QByteArray>("body"); // what the server answers there
    QTest::addColumn<qint64>("sendBytes");
    QTest::addColumn<bool>("wrongSum");
    QTest::addColumn<QString>("dir"); // "inst" for the real installation
    QTest::addColumn<bool>("fetched");
    QTest::addColumn<UpdateFailure>("cause");

    QList<Entry> parent = goodPackage();
    parent << Entry{"../evil.txt", "x"};
    QList<Entry> absolute = goodPackage();
    absolute << Entry{"/tmp/kwupdate-evil.txt", "x"};
    QVERIFY(makeZip(m_root.path() + "/parent.zip", parent));
    QVERIFY(makeZip(m_root.path() + "/absolute.zip", absolute));
    const QByteArray good = readAll(m_root.path() + "/good.zip");

    const auto N = UpdateFailure::Network, P = UpdateFailure::Package, F = UpdateFailure::Folder;
    QTest::newRow("404") << "/missing.zip" << QByteArray() << qint64(-1) << false << "inst" << true << N;
    QTest::newRow("refused") << "refused" << QByteArray() << qint64(-1) << false << "inst" << false << N;
    QTest::newRow("truncated") << "/pkg.zip" << good << qint64(good.size() / 2) << false << "inst" << true << N;
    QTest::newRow("longer than described") << "/pkg.zip" << good << qint64(-1) << false << "inst" << true << N;
    QTest::newRow("corrupt zip") << "/pkg.zip" << QByteArray(4000, 'z') << qint64(-1) << false << "inst" << true << P;
    QTest::newRow("parent entry") << "/pkg.zip" << readAll(m_root.path() + "/parent.zip") << qint64(-1) << false
                                  << "inst" << true << P;
    QTest::newRow("absolute entry") << "/pkg.zip" << readAll(m_root.path() + "/absolute.zip") << qint64(-1) << false
                                    << "inst" << true << P;
    QTest::newRow("checksum mismatch") << "/pkg.zip" << good << qint64(-1) << true << "inst" << true << P;
    QTest::newRow("empty updateDir") << "/pkg.zip" << good << qint64(-1) << false << "" << false << F;
    QTest::newRow("relative updateDir") << "/pkg.zip" << good << qint64(-1) << false << "kwfn" << false << F;
    QTest::newRow("missing updateDir") << "/pkg.zip" << good << qint64(-1) << false << "missing" << false << F;
    QTest::newRow("no address") << "" << good << qint64(-1) << false << "inst" << false << UpdateFailure::Description;
}

void TestKwUpdateWindow::failureKeepsInstallation()
{
    QFETCH(QString, path);
    QFETCH(QByteArray, body);
    QFETCH(qint64, sendBytes);
    QFETCH(bool, wrongSum);
    QFETCH(QString, dir);
    QFETCH(bool, fetched);
    QFETCH(UpdateFailure, cause);

    serve(body, sendBytes);
    QString url = path;
    if (path == "refused") {
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost, 0));
        url = QString("http://127.0.0.1:%1/pkg.zip").arg(closed.serverPort());
    } else if (!path.isEmpty()) {
        url = m_server->url(path);
    }
    UpdateFlowPrivate info;
    info.url = url;
    info.sha256 = wrongSum ? QString(64, 'b') : sha256Hex(body);
    if (QByteArray(QTest::currentDataTag()) == "longer than described")
        info.size = body.size() - 1;
    const QString target = dir == "inst" ? inst() : dir == "missing" ? inst() + " old" : dir;
    QVERIFY(start(VerInfoParse::toText(info), target));

    QTRY_COMPARE_WITH_TIMEOUT(tip(), FailedTip, 15000);
    // Failure has a page of its own, saying why in the user's words.
    QCOMPARE(page(), 3);
    QCOMPARE(m_window->findChild<QLabel *>("lab_fail_title")->text(), QString("更新失败"));
    QCOMPARE(m_window->findChild<QLabel *>("lab_fail_reason")->text(), failureText(cause));
    QVERIFY(m_window->updater()->isStopped());
    QCOMPARE(snapshot(inst()), m_before);
    QCOMPARE(leftovers(inst()), QStringList());
    QCOMPARE(m_server->requests > 0, fetched);
    QVERIFY(!QFileInfo::exists(tmp() + "/kwfn_update.zip"));
    QVERIFY(!QFileInfo::exists(m_dir.path() + "/程序 files/evil.txt"));
    QVERIFY(!QFileInfo::exists("/tmp/kwupdate-evil.txt"));

    QVERIFY(!QFileInfo::exists(target + " old"));
    QCOMPARE(m_window->exitCode(), 1);
    QCOMPARE(clickForExitCode("btn_fail_close"), 1);
}

void TestKwUpdateWindow::escapeGoesTheCloseButtonsWay()
{
    serve(m_package, 100, false);
    QVERIFY(start(describe("/pkg.zip", m_package), inst()));
    QTRY_COMPARE(tip(), QString("正在下载更新包..."));
    // While the worker runs, Esc is refused like the close button, not a silent hide.
    bool refused = false;
    QTimer::singleShot(300, [&refused] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        refused = box && box->text() == QString("正在更新程序，请取消或者等待结束。");
        if (box)
            box->button(QMessageBox::Ok)->click();
    });
    QSignalSpy quit(m_window, &KwUpdateWindow::signalQuit);
    QTest::keyClick(m_window, Qt::Key_Escape);
    QVERIFY(refused);
    QVERIFY(m_window->isVisible());
    QCOMPARE(quit.count(), 0);

    // Once the run has failed, Esc ends it with the failure's exit code.
    m_window->failBeforeStart(int(UpdateFailure::AnotherRun), "test");
    QCOMPARE(page(), 3);
    QCOMPARE(m_window->findChild<QLabel *>("lab_fail_reason")->text(), failureText(UpdateFailure::AnotherRun));
    m_window->updater()->cancel();
    QTRY_VERIFY(m_window->updater()->isStopped());
    QTest::keyClick(m_window, Qt::Key_Escape);
    QCOMPARE(quit.count(), 1);
    QCOMPARE(quit.at(0).at(0).toInt(), 1);
    QCOMPARE(snapshot(inst()), m_before);
}

void TestKwUpdateWindow::closeRefusedWhileRunning()
{
    serve(m_package, 100, false);
    QVERIFY(start(describe("/pkg.zip", m_package), inst()));
    QTRY_COMPARE(tip(), QString("正在下载更新包..."));
    QString shown;
    QTimer::singleShot(300, [&shown] {
        QWidget *box = QApplication::activeModalWidget();
        QVERIFY(box);
        shown = box->windowTitle() + "|" + static_cast<QMessageBox *>(box)->text();
        static_cast<QMessageBox *>(box)->button(QMessageBox::Ok)->click();
    });
    QVERIFY(!m_window->close());
    QCOMPARE(shown, QString("正在更新|正在更新程序，请取消或者等待结束。"));
    QVERIFY(m_window->isVisible());
    QCOMPARE(clickForExitCode("btn_mid_cancle"), 0);
    QCOMPARE(snapshot(inst()), m_before);
}

void TestKwUpdateWindow::dragMovesFromSurfaceNotFromButtons_data()
{
    QTest::addColumn<QString>("child");
    QTest::addColumn<bool>("moves");
    QTest::newRow("tip label") << "lab_mid_update_tips" << true;
    QTest::newRow("progress bar") << "pg_mid_progress" << true;
    QTest::newRow("page background") << "UpdateMidFrame" << true;
    QTest::newRow("cancel button") << "btn_mid_cancle" << false;
}

void TestKwUpdateWindow::dragMovesFromSurfaceNotFromButtons()
{
    QFETCH(QString, child);
    QFETCH(bool, moves);
    serve(m_package, 100, false);
    QVERIFY(start(describe("/pkg.zip", m_package), inst()));
    m_window->move(100, 100);
    QTRY_COMPARE(m_window->pos(), QPoint(100, 100));
    QWidget *w = m_window->findChild<QWidget *>(child);
    QVERIFY(w);
    const QPoint from = w->mapToGlobal(QPoint(5, 1));
    const QPoint to = from + QPoint(40, 60);
    sendMouse(w, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    sendMouse(w, QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
    sendMouse(w, QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
    QCOMPARE(m_window->pos(), moves ? QPoint(140, 160) : QPoint(100, 100));
    QCOMPARE(clickForExitCode("btn_mid_cancle"), 0);
}

void TestKwUpdateWindow::firstDragStartsWhereTheWindowReallyIs()
{
    serve(m_package, 100, false);
    QVERIFY(start(describe("/pkg.zip", m_package), inst()));
    m_window->move(100, 100);
    QTRY_COMPARE(m_window->pos(), QPoint(100, 100));
    // A window manager placed the window 600, 400 further than Qt has heard of yet: the
    // pointer's screen position says so, its position in the label does not.
    QWidget *label = m_window->findChild<QWidget *>("lab_mid_update_tips");
    const QPoint local(5, 1);
    const QPoint really = QPoint(700, 500);
    const QPoint global = really + label->mapTo(m_window, local);
    auto send = [label](QEvent::Type type, QPoint at, QPoint screen, Qt::MouseButton button, Qt::MouseButtons held) {
        QMouseEvent ev(type, at, at, screen, button, held, Qt::NoModifier);
        QApplication::sendEvent(label, &ev);
    };
    send(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseMove, local + QPoint(40, 60), global + QPoint(40, 60), Qt::NoButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, local + QPoint(40, 60), global + QPoint(40, 60), Qt::LeftButton, Qt::NoButton);
    QCOMPARE(m_window->pos(), really + QPoint(40, 60));
    QCOMPARE(clickForExitCode("btn_mid_cancle"), 0);
}

QTEST_MAIN(TestKwUpdateWindow)
#include "tst_kwupdatewindow.moc"
