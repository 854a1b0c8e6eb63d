#include "web/baseview.h"
#include "web/basewebview.h"
#include "web/internalwebview.h"
#include "web/popwebview.h"

#include <QSignalSpy>
#include <QWebEngineProfile>
#include <QtTest>

namespace {

QVariant evaluate(QWebEngineView *view, const QString &script)
{
    QVariant result;
    bool done = false;
    view->page()->runJavaScript(script, [&](const QVariant &value) { result = value; done = true; });
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

} // namespace

class TestWebViews : public QObject
{
    Q_OBJECT

private slots:
    void pageTalksThroughContent();
    void plainViewHasNoChannel();
    void newWindowOpensRegisteredPopup();
    void registryOrderAndDuplicates();
    void registryFollowsWatchedWindow();
    void pageViewFillsWidget();
};

void TestWebViews::pageTalksThroughContent()
{
    InternalWebView view(QUrl("qrc:/testpages/channel.html"), nullptr, nullptr);
    QSignalSpy received(&view, &InternalWebView::signalRcvContentFromNet);
    QVERIFY(received.wait(20000));
    QTest::qWait(300); // a second emission would show up here
    QCOMPARE(received.count(), 1);
    QCOMPARE(received.first().first().toString(), QString("x"));
    QCOMPARE(QWebEngineProfile::defaultProfile()->httpUserAgent(), InternalWebView::userAgent());
    QCOMPARE(QWebEngineProfile::defaultProfile()->persistentCookiesPolicy(), QWebEngineProfile::ForcePersistentCookies);
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

QTEST_MAIN(TestWebViews)
#include "tst_webviews.moc"
