#include "bus/internalmsgobj.h"
#include "bus/kwobject.h"

#include <QtTest>

#include <functional>
#include <memory>

using Params = std::map<QString, QString>;

// The result holder belongs to the client; this is the test's own.
class Any
{
public:
    QString value;
};

struct Call
{
    QString receiver;
    QString from;
    Params params;
};

static QVector<Call> g_calls;

class Page : public KwObject
{
public:
    explicit Page(const QString &name = QString())
        : KwObject(name)
    {
    }

    std::function<void()> onReceive;
    int activeCount = 0;
    QStringList codeChanges;

    void onMessage(const QString &from, const Params &params) override
    {
        g_calls.append({getPath(), from, params});
        if (onReceive)
            onReceive();
    }
    bool onProcessGetMessage(const QString &name, Params &params, Any &result) override
    {
        result.value = name + ":" + params["q"];
        return true;
    }
    void afterActive() override { ++activeCount; }
    void OnStockCodeChange() override { codeChanges.append(m_stockCode); }

    static InternalMsgObj *bus() { return m_sMsgBus; }
};

class TestKwObject : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void ownerPrefixesAndRegisters();
    void attach_data();
    void attach();
    void samePathTwice();
    void pathsOfOneHashStayApart();
    void destroyedObjectsLeaveNoEntry_data();
    void destroyedObjectsLeaveNoEntry();

    void sendDeliversWithSenderPath();
    void sendToUnregisteredChangesNothing();
    void historyKeepsTwentyOne();
    void detachDropsSendersHistory();
    void backReplaysDefaultMessage();
    void backToUnregisteredPathMovesEntry();
    void backAfterSenderDied();
    void senderDiesDuringReplay();

    void broadcastOrderAndSender();
    void broadcastDuringChanges_data();
    void broadcastDuringChanges();

    void getFillsResult();
    void lifeHooks();
    void pageIds();
    void metaTypeRegistered();
};

void TestKwObject::init()
{
    g_calls.clear();
    QCOMPARE(Page::bus()->registeredCount(), 0); // every test leaves the registry empty
    while (Page::bus()->historySize() > 0)
        KwObject::MsgBack();
    Page::bus()->setCurrent(nullptr, QString());
    g_calls.clear();
}

void TestKwObject::ownerPrefixesAndRegisters()
{
    Page main("main");
    main.attachMessageBus(true);
    Page quote("quote");
    quote.setOwner(&main);
    QCOMPARE(quote.getPath(), QString("main//quote"));
    QCOMPARE(Page::bus()->find("main//quote"), &quote);
    QCOMPARE(quote.getOwner(), &main);

    Page unnamed;
    unnamed.setOwner(&main);
    QCOMPARE(unnamed.getPath(), QString());
    QCOMPARE(Page::bus()->find(QString()), nullptr);
    QCOMPARE(Page::bus()->registeredCount(), 2);
}

void TestKwObject::attach_data()
{
    QTest::addColumn<bool>("withOwner");
    QTest::addColumn<bool>("force");
    QTest::addColumn<bool>("registered");
    QTest::newRow("no owner, not forced") << false << false << false;
    QTest::newRow("no owner, forced") << false << true << true;
    QTest::newRow("owner, not forced") << true << false << true;
}

void TestKwObject::attach()
{
    QFETCH(bool, withOwner);
    QFETCH(bool, force);
    QFETCH(bool, registered);
    Page owner("owner");
    Page page("page");
    if (withOwner)
        page.setOwner(&owner); // registers owner//page already
    page.detachMessageBus();
    page.attachMessageBus(force);
    QCOMPARE(Page::bus()->find(page.getPath()) == &page, registered);
}

void TestKwObject::samePathTwice()
{
    auto first = std::make_unique<Page>("dup");
    Page second("dup");
    first->attachMessageBus(true);
    second.attachMessageBus(true);
    Page sender("sender");
    sender.sendMessage("dup", {{"k", "v"}}, false);
    QCOMPARE(g_calls.size(), 1);
    QCOMPARE(g_calls.first().receiver, QString("dup"));
    QCOMPARE(Page::bus()->find("dup"), &second);
    first.reset(); // destroying either one removes the shared entry
    sender.sendMessage("dup", {}, false);
    QCOMPARE(g_calls.size(), 1);
    QCOMPARE(Page::bus()->registeredCount(), 0);
}

// "Aa" and "BB" (and every mix of the two) hash alike: the registry must still tell them apart.
void TestKwObject::pathsOfOneHashStayApart()
{
    const QStringList paths{"AaAa", "AaBB", "BBAa", "BBBB"};
    std::vector<std::unique_ptr<Page>> pages;
    for (const QString &path : paths) {
        pages.push_back(std::make_unique<Page>(path));
        pages.back()->attachMessageBus(true);
    }
    Page sender("sender");
    for (const QString &path : paths) {
        sender.sendMessage(path, {}, false);
        QCOMPARE(g_calls.last().receiver, path);
    }
    pages.erase(pages.begin() + 1);
    QCOMPARE(Page::bus()->find("AaBB"), nullptr);
    QCOMPARE(Page::bus()->find("BBAa"), pages.at(1).get());
    QCOMPARE(Page::bus()->registeredCount(), 3);
}

void TestKwObject::destroyedObjectsLeaveNoEntry_data()
{
    QTest::addColumn<int>("scenario");
    QTest::newRow("copy of a registered object") << 0;
    QTest::newRow("attached under the empty path") << 1;
    QTest::newRow("attached before setOwner changed the path") << 2;
    QTest::newRow("assigned another path while registered") << 3;
    QTest::newRow("setOwner, then assigned another path") << 4;
}

void TestKwObject::destroyedObjectsLeaveNoEntry()
{
    QFETCH(int, scenario);
    Page owner("owner");
    {
        auto page = std::make_unique<Page>(scenario == 1 ? QString() : QString("p"));
        page->attachMessageBus(true);
        if (scenario == 0) {
            Page copy(*page);
            QCOMPARE(copy.getPath(), QString("p"));
        } else if (scenario == 2 || scenario == 4) {
            page->setOwner(&owner);
            QCOMPARE(Page::bus()->find("p"), page.get()); // the stale entry stays while it lives
        }
        if (scenario >= 3) {
            const Page other("other");
            *page = other;
            QCOMPARE(page->getPath(), QString("other"));
        }
        if (scenario == 0) {
            QCOMPARE(Page::bus()->find("p"), nullptr);
            return;
        }
    }
    QCOMPARE(Page::bus()->registeredCount(), 0);
    Page sender("s");
    sender.broadcastMessage({}); // would reach a dangling pointer if one were left
    QVERIFY(g_calls.isEmpty());
}

void TestKwObject::sendDeliversWithSenderPath()
{
    Page main("main");
    main.attachMessageBus(true);
    Page quote("quote");
    quote.setOwner(&main);
    main.sendMessage("main//quote", {{"code", "600000"}, {"name", QString::fromUtf8("浦发银行")}}, true);
    QCOMPARE(g_calls.size(), 1);
    QCOMPARE(g_calls.first().receiver, QString("main//quote"));
    QCOMPARE(g_calls.first().from, QString("main"));
    QCOMPARE(g_calls.first().params, (Params{{"code", "600000"}, {"name", QString::fromUtf8("浦发银行")}}));
    QCOMPARE(Page::bus()->currentMessage(), KwObject::createMsg("main//quote", g_calls.first().params));
    QCOMPARE(Page::bus()->historySize(), 0); // the first send only sets the current entry
}

void TestKwObject::sendToUnregisteredChangesNothing()
{
    Page a("a");
    a.setDefaultMsg("home", {});
    a.sendMessage("nobody", {{"k", "v"}}, true);
    QCOMPARE(Page::bus()->historySize(), 0);
    QCOMPARE(Page::bus()->currentMessage(), QString("home?"));
    a.sendMessage("broken?x", {}, true); // a name holding '?' cannot be reached
    QCOMPARE(Page::bus()->currentMessage(), QString("home?"));
}

void TestKwObject::historyKeepsTwentyOne()
{
    Page r("r");
    r.attachMessageBus(true);
    Page s("s");
    for (int i = 0; i < 25; ++i)
        s.sendMessage("r", {{"i", QString::number(i)}}, true);
    QCOMPARE(g_calls.size(), 25);
    const QStringList history = Page::bus()->historyMessages();
    QCOMPARE(history.size(), 21);
    QCOMPARE(history.first(), QString("r?i=3"));
    QCOMPARE(history.last(), QString("r?i=23"));
    QCOMPARE(Page::bus()->currentMessage(), QString("r?i=24"));
}

void TestKwObject::detachDropsSendersHistory()
{
    Page r("r");
    r.attachMessageBus(true);
    Page s1("s1"), s2("s2");
    s1.sendMessage("r", {{"n", "1"}}, true);
    s2.sendMessage("r", {{"n", "2"}}, true);
    s1.sendMessage("r", {{"n", "3"}}, true);
    s2.sendMessage("r", {{"n", "4"}}, true);
    QCOMPARE(Page::bus()->historyMessages(), QStringList({"r?n=1", "r?n=2", "r?n=3"}));
    s1.detachMessageBus();
    QCOMPARE(Page::bus()->historyMessages(), QStringList({"r?n=2"}));
    QCOMPARE(Page::bus()->currentMessage(), QString("r?n=4")); // the current entry stays
}

void TestKwObject::backReplaysDefaultMessage()
{
    Page home("home");
    home.attachMessageBus(true);
    Page detail("detail");
    detail.attachMessageBus(true);
    Page nav("nav");
    nav.setDefaultMsg("home", {{"tab", "1"}});
    nav.sendMessage("detail", {{"code", "1"}}, true);
    QCOMPARE(Page::bus()->historySize(), 1);
    g_calls.clear();
    KwObject::MsgBack();
    QCOMPARE(g_calls.size(), 1);
    QCOMPARE(g_calls.first().receiver, QString("home"));
    QCOMPARE(g_calls.first().from, QString("nav"));
    QCOMPARE(g_calls.first().params, (Params{{"tab", "1"}}));
    QCOMPARE(Page::bus()->historySize(), 0);
    QCOMPARE(Page::bus()->currentMessage(), QString("home?tab=1"));
    KwObject::MsgBack(); // empty history: nothing
    QCOMPARE(g_calls.size(), 1);
}

void TestKwObject::backToUnregisteredPathMovesEntry()
{
    Page r("r");
    r.attachMessageBus(true);
    Page s("s");
    {
        Page gone("gone");
        gone.attachMessageBus(true);
        s.sendMessage("gone", {}, true);
    }
    s.sendMessage("r", {}, true);
    g_calls.clear();
    KwObject::MsgBack();
    QVERIFY(g_calls.isEmpty());
    QCOMPARE(Page::bus()->historySize(), 0);
    QCOMPARE(Page::bus()->currentMessage(), QString("gone?"));
}

void TestKwObject::backAfterSenderDied()
{
    Page r("r");
    r.attachMessageBus(true);
    Page other("other");
    other.attachMessageBus(true);
    Page owner("main");
    {
        Page sender("tab");
        sender.setOwner(&owner);
        sender.sendMessage("r", {{"a", "1"}}, true);
    } // detach leaves the current entry alone, so it still names the dead sender
    owner.sendMessage("other", {}, true);
    g_calls.clear();
    KwObject::MsgBack(); // its last path is reported, nothing dangles
    QCOMPARE(g_calls.size(), 1);
    QCOMPARE(g_calls.first().receiver, QString("r"));
    QCOMPARE(g_calls.first().from, QString("main//tab"));
}

void TestKwObject::senderDiesDuringReplay()
{
    auto sender = std::make_unique<Page>("sender");
    Page r("r");
    r.attachMessageBus(true);
    Page last("last");
    last.attachMessageBus(true);
    sender->sendMessage("r", {}, true);
    sender->sendMessage("last", {}, true);
    r.onReceive = [&] { sender.reset(); };
    KwObject::MsgBack();
    QVERIFY(!sender);
    r.onReceive = nullptr;
    // The replayed entry became current with its dead sender; the next push must not touch it.
    last.sendMessage("r", {}, true);
    g_calls.clear();
    KwObject::MsgBack();
    QCOMPARE(g_calls.size(), 1);
    QCOMPARE(g_calls.first().from, QString("sender"));
}

void TestKwObject::broadcastOrderAndSender()
{
    Page b("b"), a("a"), upper("Z"), c("c");
    for (Page *p : {&b, &a, &upper, &c})
        p->attachMessageBus(true);
    b.broadcastMessage({{"event", "refresh"}});
    QStringList order;
    for (const Call &call : qAsConst(g_calls)) {
        order << call.receiver;
        QCOMPARE(call.from, QString("broadcast"));
        QCOMPARE(call.params, (Params{{"event", "refresh"}}));
    }
    QCOMPARE(order, QStringList({"Z", "a", "c"}));
    QCOMPARE(Page::bus()->currentMessage(), QString()); // a broadcast never touches the history
}

void TestKwObject::broadcastDuringChanges_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QStringList>("reached");
    QTest::newRow("receiver destroys a later object") << "destroy" << QStringList({"a", "c"});
    QTest::newRow("receiver detaches a later object") << "detach" << QStringList({"a", "b", "c"});
    QTest::newRow("receiver registers a new object") << "register" << QStringList({"a", "b", "c"});
}

void TestKwObject::broadcastDuringChanges()
{
    QFETCH(QString, action);
    QFETCH(QStringList, reached);
    Page a("a"), c("c");
    auto b = std::make_unique<Page>("b");
    Page latecomer("ab");
    for (Page *p : {&a, b.get(), &c})
        p->attachMessageBus(true);
    a.onReceive = [&] {
        if (action == "destroy")
            b.reset();
        else if (action == "detach")
            b->detachMessageBus();
        else
            latecomer.attachMessageBus(true);
    };
    Page sender("sender");
    sender.broadcastMessage({});
    QStringList order;
    for (const Call &call : qAsConst(g_calls))
        order << call.receiver;
    QCOMPARE(order, reached);
    latecomer.detachMessageBus();
}

void TestKwObject::getFillsResult()
{
    Page r("main//r");
    r.attachMessageBus(true);
    Page s("s");
    Any result;
    s.getMessage("main//r", {{"q", "price"}}, result);
    QCOMPARE(result.value, QString("main//r:price"));
    Any untouched{"kept"};
    s.getMessage("nobody", {{"q", "price"}}, untouched);
    QCOMPARE(untouched.value, QString("kept"));
}

void TestKwObject::lifeHooks()
{
    Page p("p");
    p.onNetIoReady(false);
    QCOMPARE(p.activeCount, 0);
    p.onNetIoReady(true);
    QCOMPARE(p.activeCount, 1);
    p.setStockCode("600000");
    QCOMPARE(p.getStockCode(), QString("600000"));
    QCOMPARE(p.codeChanges, QStringList({"600000"}));
}

void TestKwObject::pageIds()
{
    Page p("p");
    QCOMPARE(p.getGlobalChildPageId(), -1);
    Page q("q");
    p.setGlobalPageId(7);
    q.setGlobalChildPageId(3);
    QCOMPARE(q.getGlobalPageId(), 7);
    QCOMPARE(p.getGlobalChildPageId(), 3);
    p.setGlobalChildPageId(-1);
}

void TestKwObject::metaTypeRegistered()
{
    KwObject::init();
    KwObject::init();
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    const int id = QMetaType::fromName("std::map<QString,QString>").id();
#else
    const int id = QMetaType::type("std::map<QString,QString>");
#endif
    QVERIFY(id != QMetaType::UnknownType);
    QCOMPARE(id, qMetaTypeId<Params>());
    const QVariant v = QVariant::fromValue(Params{{"a", "1"}, {"b", "2"}});
    QVERIFY(v.canConvert<QVariantMap>());
    QCOMPARE(v.value<QVariantMap>(), (QVariantMap{{"a", "1"}, {"b", "2"}}));
}

QTEST_GUILESS_MAIN(TestKwObject)
#include "tst_kwobject.moc"
