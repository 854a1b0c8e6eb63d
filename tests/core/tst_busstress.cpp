#include "bus/internalmsgobj.h"
#include "bus/kwobject.h"

#include <QtTest>

#include <atomic>
#include <memory>
#include <thread>
#include <vector>

using Params = std::map<QString, QString>;

class Counter : public KwObject
{
public:
    explicit Counter(const QString &name)
        : KwObject(name)
    {
    }
    std::atomic<int> received{0};
    void onMessage(const QString &, const Params &) override { received.fetch_add(1, std::memory_order_relaxed); }
    static InternalMsgObj *bus() { return m_sMsgBus; }
};

// Four threads keep attaching and detaching their objects (detach edits the history under the
// registry's lock) while the main thread sends, records, replays and broadcasts. The objects
// outlive the threads: only registration races with delivery, never destruction.
class TestBusStress : public QObject
{
    Q_OBJECT

private slots:
    void attachDetachWhileSending();
};

void TestBusStress::attachDetachWhileSending()
{
    constexpr int threads = 4;
    constexpr int perThread = 16;
    std::vector<std::unique_ptr<Counter>> objects;
    for (int t = 0; t < threads; ++t)
        for (int i = 0; i < perThread; ++i)
            objects.push_back(std::make_unique<Counter>(QString("t%1/%2").arg(t).arg(i)));

    std::atomic<bool> stop{false};
    std::atomic<long> churns{0};
    std::vector<std::thread> workers;
    for (int t = 0; t < threads; ++t) {
        workers.emplace_back([&, t] {
            unsigned seed = 7u + unsigned(t);
            while (!stop.load()) {
                seed = seed * 1103515245u + 12345u;
                Counter *object = objects[std::size_t(t * perThread) + (seed >> 8) % perThread].get();
                if (seed & 0x10000u)
                    object->attachMessageBus(true);
                else
                    object->detachMessageBus();
                KwObject bystander(QString("tmp%1").arg(t)); // constructed and destroyed unregistered
                churns.fetch_add(1, std::memory_order_relaxed);
            }
        });
    }

    Counter home("home");
    home.attachMessageBus(true);
    QElapsedTimer clock;
    clock.start();
    long rounds = 0;
    while (clock.elapsed() < 1500 || rounds < 2000) {
        Counter *from = objects[std::size_t(rounds) % objects.size()].get();
        const QString target = objects[std::size_t(rounds * 7) % objects.size()]->getPath();
        from->sendMessage(target, {{"n", QString::number(rounds)}}, rounds % 2 == 0);
        if (rounds % 5 == 0)
            home.broadcastMessage({{"tick", "1"}});
        if (rounds % 11 == 0)
            KwObject::MsgBack();
        QVERIFY(Counter::bus()->historySize() <= InternalMsgObj::MaxHistory);
        ++rounds;
    }
    stop = true;
    for (std::thread &worker : workers)
        worker.join();

    QVERIFY(churns.load() > 0);
    int delivered = 0;
    for (const auto &object : objects)
        delivered += object->received.load();
    QVERIFY(delivered > 0);
    QCOMPARE(home.received.load(), 0); // the sender of every broadcast is skipped
    objects.clear();
    QCOMPARE(Counter::bus()->registeredCount(), 1);
}

QTEST_GUILESS_MAIN(TestBusStress)
#include "tst_busstress.moc"
