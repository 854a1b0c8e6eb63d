#include "widgets/bellbutton.h"

#include <QAbstractEventDispatcher>
#include <QElapsedTimer>
#include <QtTest>

namespace {
enum Shown { Empty, Bell, Belling, Blinking };

Shown shown(const BellButton &button)
{
    if (button.icon().isNull())
        return Empty;
    return button.icon().cacheKey() == button.bellIcon().cacheKey() ? Bell : Belling;
}

// The button's timers as the event loop knows them: (interval, type) of each.
QList<QPair<int, int>> timers(BellButton &button)
{
    QList<QPair<int, int>> out;
    for (const auto &info : QAbstractEventDispatcher::instance()->registeredTimers(&button))
        out << qMakePair(info.interval, int(info.timerType));
    return out;
}

const QList<QPair<int, int>> blinkTimer{qMakePair(500, int(Qt::CoarseTimer))};

void prepare(BellButton &button)
{
    QPixmap blue(16, 16), red(16, 16);
    blue.fill(Qt::blue);
    red.fill(Qt::red);
    button.setBellIcon(QIcon(blue));
    button.setBellingIcon(QIcon(red));
}

// Watches the icon from setStates(4) on: it must alternate empty / belling every 500 ms (a
// coarse timer may be 5 % off, the polling sees a change a little late).
void verifyBlinkRhythm(BellButton &button, const QElapsedTimer &clock)
{
    QCOMPARE(shown(button), Belling);
    QCOMPARE(timers(button), blinkTimer);
    QVector<QPair<qint64, Shown>> changes;
    while (clock.elapsed() < 1600) {
        QTest::qWait(5);
        if (shown(button) != (changes.isEmpty() ? Belling : changes.last().second))
            changes.append({clock.elapsed(), shown(button)});
    }
    QCOMPARE(changes.size(), 3);
    for (int i = 0; i < changes.size(); ++i) {
        const qint64 interval = changes[i].first - (i ? changes[i - 1].first : 0);
        QVERIFY2(interval >= 465 && interval <= 620, qPrintable(QString("tick %1 after %2 ms").arg(i).arg(interval)));
        QCOMPARE(changes[i].second, i % 2 == 0 ? Empty : Belling);
    }
}
} // namespace

class TestBellButton : public QObject
{
    Q_OBJECT

private slots:
    void builtInPictures();
    void blinksEveryHalfSecond();
    void secondStartKeepsOneRhythm();
    void stateChanges_data();
    void stateChanges();
};

void TestBellButton::builtInPictures()
{
    BellButton button;
    const QImage bell = button.bellIcon().pixmap(20, 20).toImage();
    QVERIFY(!bell.isNull());
    QVERIFY(bell != button.bellingIcon().pixmap(20, 20).toImage());
    QCOMPARE(shown(button), Bell);
}

void TestBellButton::blinksEveryHalfSecond()
{
    BellButton button;
    prepare(button);
    QElapsedTimer clock;
    clock.start();
    button.setStates(4);
    verifyBlinkRhythm(button, clock);
}

void TestBellButton::secondStartKeepsOneRhythm()
{
    BellButton button;
    prepare(button);
    button.setStates(4);
    QTest::qWait(250);
    QElapsedTimer clock;
    clock.start();
    // The rhythm restarts with the second call, and the first timer is gone.
    button.setStates(4);
    verifyBlinkRhythm(button, clock);
}

void TestBellButton::stateChanges_data()
{
    QTest::addColumn<int>("states");
    QTest::addColumn<QString>("call"); // "set N", "open" or "remove N"
    QTest::addColumn<int>("expectedStates");
    QTest::addColumn<int>("expectedIcon");

    QTest::newRow("blink stopped to plain") << 4 << "set 0" << 0 << int(Bell);
    QTest::newRow("blink stopped to lit") << 4 << "set 3" << 3 << int(Belling);
    QTest::newRow("open while blinking and lit") << 6 << "open" << 2 << int(Belling);
    QTest::newRow("open while blinking") << 4 << "open" << 0 << int(Bell);
    QTest::newRow("open while lit only") << 2 << "open" << 2 << int(Belling);
    QTest::newRow("remove lit while not blinking") << 2 << "remove 2" << 2 << int(Belling);
    QTest::newRow("remove lit while blinking") << 6 << "remove 2" << 4 << int(Blinking);
    QTest::newRow("remove blinking") << 6 << "remove 4" << 2 << int(Belling);
    QTest::newRow("remove both") << 6 << "remove 6" << 0 << int(Bell);
}

void TestBellButton::stateChanges()
{
    QFETCH(int, states);
    QFETCH(QString, call);
    QFETCH(int, expectedStates);
    QFETCH(int, expectedIcon);

    BellButton button;
    prepare(button);
    button.setStates(states);
    const int argument = call.section(' ', 1).toInt();
    if (call.startsWith("set"))
        button.setStates(argument);
    else if (call == "open")
        button.openNewMessage();
    else
        button.removeFlag(argument);

    QCOMPARE(button.states(), expectedStates);
    if (expectedIcon == Blinking) {
        QCOMPARE(timers(button), blinkTimer);
    } else {
        QCOMPARE(int(shown(button)), expectedIcon);
        QVERIFY(timers(button).isEmpty());
    }
}

QTEST_MAIN(TestBellButton)
#include "tst_bellbutton.moc"
