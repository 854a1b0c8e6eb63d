// The bus against what it cannot avoid: the text round trip of a message (anchor: QUrlQuery),
// registration at scale, and a broadcast against one Qt signal emission to as many slots.

#include "bus/kwobject.h"
#include "figures.h"

#include <QCoreApplication>
#include <QUrlQuery>

#include <malloc.h>

#include <memory>
#include <vector>

using Params = std::map<QString, QString>;

namespace {

class Receiver : public KwObject
{
public:
    explicit Receiver(const QString &name = QString())
        : KwObject(name)
    {
    }
    void onMessage(const QString &from, const Params &params) override
    {
        benchmark::DoNotOptimize(from.size() + int(params.size()));
    }
};

const Params &fourParams()
{
    static const Params params{
            {"code", "600000"}, {"market", "SH"}, {"name", QString::fromUtf8("浦发银行")}, {"period", "day"}};
    return params;
}

void BM_Send(benchmark::State &state)
{
    Receiver receiver("main//quote");
    receiver.attachMessageBus(true);
    Receiver sender("main");
    for (auto _ : state)
        sender.sendMessage("main//quote", fourParams(), state.range(0) != 0);
}

// The anchor: build the same four pairs into an encoded query text and read them back.
void BM_QueryRoundTrip(benchmark::State &state)
{
    for (auto _ : state) {
        QUrlQuery out;
        for (const auto &pair : fourParams())
            out.addQueryItem(QString::fromUtf8(QUrl::toPercentEncoding(pair.first)),
                             QString::fromUtf8(QUrl::toPercentEncoding(pair.second)));
        const QString text = QStringLiteral("main//quote?") + out.query(QUrl::FullyEncoded);
        const int mark = text.indexOf(QLatin1Char('?'));
        const QUrlQuery in(text.mid(mark + 1));
        Params params;
        for (const auto &item : in.queryItems(QUrl::FullyDecoded))
            params.emplace(item.first, item.second);
        benchmark::DoNotOptimize(params.size());
    }
}

void BM_RegisterDestroy(benchmark::State &state)
{
    const int n = int(state.range(0));
    std::vector<QString> names;
    names.reserve(std::size_t(n));
    for (int i = 0; i < n; ++i)
        names.push_back(QStringLiteral("page/%1").arg(i));
    for (auto _ : state) {
        std::vector<std::unique_ptr<Receiver>> objects;
        objects.reserve(std::size_t(n));
        for (const QString &name : names) {
            objects.push_back(std::make_unique<Receiver>(name));
            objects.back()->attachMessageBus(true);
        }
        objects.clear();
    }
}

constexpr int Receivers = 10000;

void BM_Broadcast(benchmark::State &state)
{
    std::vector<std::unique_ptr<Receiver>> objects;
    for (int i = 0; i < Receivers; ++i) {
        objects.push_back(std::make_unique<Receiver>(QStringLiteral("page/%1").arg(i)));
        objects.back()->attachMessageBus(true);
    }
    Receiver sender("sender");
    for (auto _ : state)
        sender.broadcastMessage(fourParams());
}

class Emitter : public QObject
{
    Q_OBJECT
signals:
    void changed(const QString &from, const Params &params);
};

void BM_SignalToSlots(benchmark::State &state)
{
    Emitter emitter;
    std::vector<std::unique_ptr<Receiver>> objects;
    for (int i = 0; i < Receivers; ++i) {
        objects.push_back(std::make_unique<Receiver>());
        Receiver *receiver = objects.back().get();
        QObject::connect(&emitter, &Emitter::changed,
                         [receiver](const QString &from, const Params &params) { receiver->onMessage(from, params); });
    }
    const QString from = QStringLiteral("broadcast");
    for (auto _ : state)
        emit emitter.changed(from, fourParams());
}

} // namespace

BENCHMARK(BM_Send)->Arg(0)->Arg(1);
BENCHMARK(BM_QueryRoundTrip);
BENCHMARK(BM_RegisterDestroy)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Broadcast)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SignalToSlots)->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv)
{
    // Keep freed memory in the process: otherwise every repetition pays the virtual machine's
    // page faults for memory the previous one gave back, a cost of the host, not of the bus.
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
    mallopt(M_MMAP_THRESHOLD, 1 << 30);
    QCoreApplication app(argc, argv);
    const auto t = kwbench::runMedians(argc, argv);
    const double send = t.at("BM_Send/1");
    const double anchor = t.at("BM_QueryRoundTrip");
    kwbench::figure("send_ns", send);
    kwbench::figure("send_unrecorded_ns", t.at("BM_Send/0"));
    kwbench::figure("send_anchor_ns", anchor);
    kwbench::figure("send_ratio", send / anchor);
    kwbench::figure("register_10k_ms", t.at("BM_RegisterDestroy/10000/iterations:3") / 1e6);
    kwbench::figure("register_100k_ms", t.at("BM_RegisterDestroy/100000/iterations:3") / 1e6);
    kwbench::figure("register_growth",
                    t.at("BM_RegisterDestroy/100000/iterations:3") / t.at("BM_RegisterDestroy/10000/iterations:3"));
    const double perReceiver = t.at("BM_Broadcast") / Receivers;
    const double perSlot = t.at("BM_SignalToSlots") / Receivers;
    kwbench::figure("broadcast_receiver_ns", perReceiver);
    kwbench::figure("broadcast_slot_ns", perSlot);
    kwbench::figure("broadcast_ratio", perReceiver / perSlot);
    return 0;
}

#include "bench_bus.moc"
