#include "web/baseview.h"
#include "web/basewebview.h"
#include "web/internalwebpage.h"
#include "web/internalwebview.h"
#include "web/popwebview.h"
#include "pdfjsbridge.h"

#include <QCloseEvent>
#include <QLoggingCategory>
#include <QPointer>
#include <QSignalSpy>
#include <QWebEngineProfile>
#include <QtTest>

#include <functional>
#include <memory>
#include <utility>

namespace {

QVariant evaluate(QWebEngineView *view, const QString &script)
{
    QVariant result;
    bool done = false;
    view->page()->runJavaScript(script, [&](const QVariant &value) {
        result = value;
        done = true;
    });
    QElapsedTimer clock;
    clock.start();
    while (!done && clock.elapsed() < 10000)
        QTest::qWait(10);
    return result;
}

bool loads(QWebEngineView *view)
{
    QSignalSpy loaded(view, &QWebEngineView::loadFinished);
    return loaded.wait(20000) && loaded.first().first().toBool();
}

// A registered window that, while it closes, does to the registry what client windows do.
class Busy : public QWidget
{
public:
    std::function<void()> whileClosing;
    int closes = 0;

protected:
    void closeEvent(QCloseEvent *event) override
    {
        ++closes;
        if (whileClosing)
            whileClosing();
        QWidget::closeEvent(event);
    }
};

// Keeps every message logged while it lives, and the logging rules as they were.
class LogCapture
{
public:
    LogCapture()
    {
        s_lines.clear();
        s_previous = qInstallMessageHandler(&LogCapture::keep);
    }
    ~LogCapture()
    {
        qInstallMessageHandler(s_previous);
        QLoggingCategory::setFilterRules(QString());
    }
    static QStringList lines(const QString &containing) { return s_lines.filter(containing); }

private:
    static void keep(QtMsgType type, const QMessageLogContext &context, const QString &text)
    {
        s_lines << QStringLiteral("%1|%2").arg(QLatin1String(context.category), text);
        s_previous(type, context, text);
    }
    static inline QtMessageHandler s_previous = nullptr;
    static inline QStringList s_lines;
};

} // namespace

// The web views the library makes, each with a page of its own making.
enum class ViewKind { Plain, Full, NewWindow, PdfViewer };
Q_DECLARE_METATYPE(ViewKind)

class TestWebViews : public QObject
{
    Q_OBJECT

private slots:
    void pageTalksThroughContent();
    void plainViewHasNoChannel();
    void newWindowOpensRegisteredPopup();
    void registryOrderAndDuplicates();
    void registryFollowsWatchedWindow();
    void registryToleratesChangesWhileClosing_data();
    void registryToleratesChangesWhileClosing();
    void pageViewFillsWidget();
    void consoleGoesToItsOwnCategory_data();
    void consoleGoesToItsOwnCategory();
};

void TestWebViews::pageTalksThroughContent()
{
    InternalWebView view(QUrl("qrc:/testpages/channel.html"), nullptr, nullptr);
    QSignalSpy received(&view, &InternalWebView::signalRcvContentFromNet);
    QVERIFY(received.wait(20000));
    QTest::qWait(300); // a second emission would show up here
    QCOMPARE(received.count(), 1);
    QCOMPARE(received.first().first().toString(), QString("x"));
    // The page's profile keeps its cookies on disk: Qt 6's default profile would not.
    QWebEngineProfile *profile = view.page()->profile();
    QCOMPARE(profile, InternalWebPage::sharedProfile());
    QVERIFY(!profile->isOffTheRecord());
    QCOMPARE(profile->httpUserAgent(), InternalWebView::userAgent());
    QCOMPARE(profile->persistentCookiesPolicy(), QWebEngineProfile::ForcePersistentCookies);
}

void TestWebViews::plainViewHasNoChannel()
{
    InternalWebView view(static_cast<QWidget *>(nullptr));
    QSignalSpy received(&view, &InternalWebView::signalRcvContentFromNet);
    view.setUrl(QUrl("qrc:/testpages/channel.html"));
    QVERIFY(loads(&view));
    QCOMPARE(evaluate(&view, "window.sent").toString(), QString("no"));
    QCOMPARE(received.count(), 0);
}

void TestWebViews::newWindowOpensRegisteredPopup()
{
    InternalWebView view(QUrl("qrc:/testpages/channel.html"), nullptr, nullptr);
    view.resize(400, 300);
    view.show();
    QVERIFY(loads(&view));
    const int before = BaseView::instance().windows().size();
    evaluate(&view, "document.getElementById('out').click(); true");
    QTRY_COMPARE_WITH_TIMEOUT(BaseView::instance().windows().size(), before + 1, 10000);
    auto *popup = qobject_cast<PopWebView *>(BaseView::instance().windows().first());
    QVERIFY(popup);
    QVERIFY(popup->isVisible());
    QTRY_COMPARE_WITH_TIMEOUT(popup->webView()->title(), QString("second page"), 10000);
    QCOMPARE(popup->webView()->page()->profile(), view.page()->profile());
    QVERIFY(popup->testAttribute(Qt::WA_DeleteOnClose));
    QPointer<PopWebView> watch(popup);
    popup->close(); // deletes itself, leaving the registry
    QTRY_VERIFY_WITH_TIMEOUT(watch.isNull(), 5000);
    QCOMPARE(BaseView::instance().windows().size(), before);
}

void TestWebViews::registryOrderAndDuplicates()
{
    QWidget a, b, stranger;
    BaseViewDlg &dialogs = BaseViewDlg::instance();
    dialogs.addWindow(&a);
    dialogs.addWindow(&b);
    dialogs.addWindow(&a);
    QCOMPARE(dialogs.windows(), (QVector<QWidget *>{&b, &a}));
    dialogs.remove(&stranger);
    dialogs.remove(&b);
    dialogs.remove(&a);
    QVERIFY(dialogs.windows().isEmpty());

    auto *owned = new QWidget;
    QPointer<QWidget> watch(owned);
    dialogs.addWindow(owned);
    dialogs.uninit();
    QVERIFY(watch.isNull());
    QVERIFY(dialogs.windows().isEmpty());
}

void TestWebViews::registryFollowsWatchedWindow()
{
    QWidget watched, shown, hidden;
    for (QWidget *w : {&watched, &shown})
        w->show();
    QVERIFY(QTest::qWaitForWindowExposed(&shown));
    BaseView &registry = BaseView::instance();
    registry.addWindow(&shown);
    registry.addWindow(&hidden);
    watched.installEventFilter(&registry);

    watched.hide();
    QTRY_VERIFY(shown.isMinimized());
    QVERIFY(!hidden.isVisible()); // a hidden window is not brought up minimised

    watched.show();
    shown.showNormal();
    hidden.show();
    watched.close();
    QVERIFY(!shown.isVisible());
    QVERIFY(!hidden.isVisible());
    QVERIFY(!watched.isVisible()); // the filter never swallows the event
    watched.removeEventFilter(&registry);
    registry.remove(&shown);
    registry.remove(&hidden);
}

void TestWebViews::registryToleratesChangesWhileClosing_data()
{
    QTest::addColumn<bool>("dialogs"); // BaseViewDlg, else BaseView
    QTest::addColumn<QString>("change"); // what the middle window does while it closes
    for (const bool dialogs : {false, true}) {
        const char *kind = dialogs ? "dialogs: " : "views: ";
        for (const char *change : {"leaves", "deletes the next", "registers a new one", "deleted unregistered"})
            QTest::newRow(qPrintable(QString(kind) + change)) << dialogs << QString(change);
    }
}

void TestWebViews::registryToleratesChangesWhileClosing()
{
    QFETCH(bool, dialogs);
    QFETCH(QString, change);
    QObject *registry = dialogs ? static_cast<QObject *>(&BaseViewDlg::instance()) : &BaseView::instance();
    auto add = [&](QWidget *w) { dialogs ? BaseViewDlg::instance().addWindow(w) : BaseView::instance().addWindow(w); };
    auto remove = [&](QWidget *w) { dialogs ? BaseViewDlg::instance().remove(w) : BaseView::instance().remove(w); };
    auto listed = [&] { return dialogs ? BaseViewDlg::instance().windows() : BaseView::instance().windows(); };

    // Listed newest first: last, middle, first.
    QWidget watched;
    auto *first = new Busy, *middle = new Busy, *last = new Busy, *late = new Busy;
    QPointer<Busy> firstAlive(first), lateAlive(late);
    for (Busy *w : {first, middle, last})
        add(w);
    if (change == "leaves")
        middle->whileClosing = [&] { remove(middle); };
    else if (change == "deletes the next")
        middle->whileClosing = [&] { delete first; };
    else if (change == "registers a new one")
        middle->whileClosing = [&] { add(late); };
    else
        delete std::exchange(last, nullptr); // gone without a word to the registry

    watched.installEventFilter(registry);
    watched.close();
    watched.removeEventFilter(registry);

    // Every window listed when the close began is closed once, unless it died first; one
    // registered meanwhile is left for the next close.
    QCOMPARE(middle->closes, 1);
    if (last)
        QCOMPARE(last->closes, 1);
    if (firstAlive)
        QCOMPARE(first->closes, 1);
    QCOMPARE(late->closes, 0);
    QVERIFY(!listed().contains(nullptr));
    for (QWidget *w : listed())
        remove(w);
    delete firstAlive.data();
    delete middle;
    delete last;
    delete late;
}

void TestWebViews::pageViewFillsWidget()
{
    QUrl url("qrc:/testpages/second.html");
    BaseWebView page(url, nullptr, "main//web");
    page.resize(500, 400);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QTRY_COMPARE(page.webView()->geometry(), page.rect());
    QCOMPARE(page.getPath(), QString("main//web"));
}

void TestWebViews::consoleGoesToItsOwnCategory_data()
{
    QTest::addColumn<ViewKind>("kind");
    QTest::newRow("plain view") << ViewKind::Plain;
    QTest::newRow("full view") << ViewKind::Full;
    QTest::newRow("window a page opened") << ViewKind::NewWindow;
    QTest::newRow("PDF viewer") << ViewKind::PdfViewer;
}

void TestWebViews::consoleGoesToItsOwnCategory()
{
    QFETCH(ViewKind, kind);
    std::unique_ptr<QWidget> opener, owner;
    QWebEngineView *view = nullptr;
    switch (kind) {
    case ViewKind::Plain:
        owner = std::make_unique<InternalWebView>(static_cast<QWidget *>(nullptr));
        view = static_cast<QWebEngineView *>(owner.get());
        view->setUrl(QUrl("qrc:/testpages/second.html"));
        QVERIFY(loads(view));
        break;
    case ViewKind::Full:
        owner = std::make_unique<InternalWebView>(QUrl("qrc:/testpages/second.html"), nullptr, nullptr);
        view = static_cast<QWebEngineView *>(owner.get());
        QVERIFY(loads(view));
        break;
    case ViewKind::NewWindow: {
        opener = std::make_unique<InternalWebView>(QUrl("qrc:/testpages/channel.html"), nullptr, nullptr);
        QVERIFY(loads(static_cast<QWebEngineView *>(opener.get())));
        const int before = BaseView::instance().windows().size();
        evaluate(static_cast<QWebEngineView *>(opener.get()), "document.getElementById('out').click(); true");
        QTRY_COMPARE_WITH_TIMEOUT(BaseView::instance().windows().size(), before + 1, 10000);
        auto *popup = qobject_cast<PopWebView *>(BaseView::instance().windows().first());
        QVERIFY(popup);
        owner.reset(popup);
        view = popup->webView();
        QTRY_COMPARE_WITH_TIMEOUT(view->title(), QString("second page"), 10000);
        break;
    }
    case ViewKind::PdfViewer: {
        auto *popup = new PopWebView(nullptr, nullptr, "pdf");
        owner.reset(popup);
        popup->createWg();
        popup->initPDFENV();
        view = popup->findChild<PdfJsBridge *>();
        QVERIFY(view && loads(view));
        break;
    }
    }

    LogCapture log;
    const auto say = [view](const QString &tag) {
        evaluate(view,
                 QString("console.log('%1-log'); console.warn('%1-warn'); console.error('%1-error'); true").arg(tag));
    };
    say("quiet");
    QLoggingCategory::setFilterRules("kw.web.console=true");
    say("asked");
    // The messages come back in order: once the second three are in, the first three are too.
    QTRY_COMPARE_WITH_TIMEOUT(LogCapture::lines("asked-").size(), 3, 10000);
    QCOMPARE(LogCapture::lines("quiet-"), QStringList());
    for (const QString &line : LogCapture::lines("asked-"))
        QVERIFY2(line.startsWith("kw.web.console|"), qPrintable(line));
}

QTEST_MAIN(TestWebViews)
#include "tst_webviews.moc"
