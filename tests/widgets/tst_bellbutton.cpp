#include "widgets/bellbutton.h"

#include <QAbstractEventDispatcher>
#include <QElapsedTimer>
#include <QtTest>

namespace {
QIcon solidIcon(const QColor &color)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(color);
    return QIcon(pixmap);
}

enum Shown { Empty, Bell, Belling, Other };

Shown shown(const BellButton &button)
{
    const QIcon icon = button.icon();
    if (icon.isNull())
        return Empty;
    if (icon.cacheKey() == button.bellIcon().cacheKey())
        return Bell;
    if (icon.cacheKey() == button.bellingIcon().cacheKey())
        return Belling;
    return Other;
}

struct Change
{
    qint64 at;
    Shown icon;
};

// Watches the shown icon for `ms` milliseconds and records every change with its time.
QVector<Change> watch(const BellButton &button, int ms, const QElapsedTimer &clock)
{
    QVector<Change> changes;
    Shown last = shown(button);
    while (clock.elapsed() < ms) {
        QTest::qWait(5);
        const Shown now = shown(button);
        if (now != last)
            changes.append({clock.elapsed(), now});
        last = now;
    }
    return changes;
}

// Blink ticks come every 500 ms from the start of the clock: a coarse timer may fire 5 % early or
// late, and the polling sees a change a little after it happened.
void verifyBlinkRhythm(const QVector<Change> &changes)
{
    QVERIFY2(changes.size() >= 3, qPrintable(QString::number(changes.size())));
    qint64 previous = 0;
    for (int i = 0; i < changes.size(); ++i) {
        const qint64 interval = changes[i].at - previous;
        QVERIFY2(interval >= 465 && interval <= 620,
                 qPrintable(QString("change %1 after %2 ms").arg(i).arg(interval)));
        QCOMPARE(changes[i].icon, i % 2 == 0 ? Empty : Belling);
        previous = changes[i].at;
    }
}

// The button's blink timers as the event loop knows them: (interval, type) of each.
QList<QPair<int, int>> timers(BellButton &button)
{
    QList<QPair<int, int>> out;
    for (const auto &info : QAbstractEventDispatcher::instance()->registeredTimers(&button))
        out << qMakePair(info.interval, int(info.timerType));
    return out;
}

const QList<QPair<int, int>> blinkTimer{qMakePair(500, int(Qt::CoarseTimer))};
}

class TestBellButton : public QObject
{
    Q_OBJECT

private slots:
    void builtInPictures();
    void steadyStates_data();
    void steadyStates();
    void blinksEveryHalfSecond();
    void secondStartKeepsOneRhythm();
    void flagsWhileBlinking_data();
    void flagsWhileBlinking();

private:
    void prepare(BellButton &button);
};

void TestBellButton::prepare(BellButton &button)
{
    button.setBellIcon(solidIcon(Qt::blue));
    button.setBellingIcon(solidIcon(Qt::red));
}

void TestBellButton::builtInPictures()
{
    BellButton button;
    QCOMPARE(button.states(), 0);
    const QImage bell = button.bellIcon().pixmap(20, 20).toImage();
    const QImage belling = button.bellingIcon().pixmap(20, 20).toImage();
    QVERIFY(!bell.isNull() && !belling.isNull());
    QVERIFY(bell != belling);
    QCOMPARE(shown(button), Bell);
    // Through the properties, as a style sheet sets them.
    const QIcon red = solidIcon(Qt::red);
    QVERIFY(button.setProperty("bellingIcon", QVariant::fromValue(red)));
    QCOMPARE(button.bellingIcon().cacheKey(), red.cacheKey());
    QCOMPARE(shown(button), Bell);
}

void TestBellButton::steadyStates_data()
{
    QTest::addColumn<int>("states");
    QTest::addColumn<int>("expected");

    QTest::newRow("nothing") << 0 << int(Bell);
    QTest::newRow("lit") << 2 << int(Belling);
    QTest::newRow("unknown bits") << 1 << int(Bell);
    QTest::newRow("lit and more") << 3 << int(Belling);
}

void TestBellButton::steadyStates()
{
    QFETCH(int, states);
    QFETCH(int, expected);

    BellButton button;
    prepare(button);
    // From blinking too: the blink must stop and the steady icon stay.
    button.setStates(4);
    button.setStates(states);
    QCOMPARE(button.states(), states);
    QCOMPARE(int(shown(button)), expected);
    QVERIFY(timers(button).isEmpty());
}

void TestBellButton::blinksEveryHalfSecond()
{
    BellButton button;
    prepare(button);
    QElapsedTimer clock;
    clock.start();
    button.setStates(4);
    QCOMPARE(shown(button), Belling);
    QCOMPARE(timers(button), blinkTimer);
    verifyBlinkRhythm(watch(button, 1600, clock));
}

void TestBellButton::secondStartKeepsOneRhythm()
{
    BellButton button;
    prepare(button);
    button.setStates(4);
    QTest::qWait(250);
    QElapsedTimer clock;
    clock.start();
    button.setStates(4);
    QCOMPARE(shown(button), Belling);
    // The rhythm restarts with the second call, and the first timer is gone.
    QCOMPARE(timers(button), blinkTimer);
    verifyBlinkRhythm(watch(button, 1600, clock));
}

void TestBellButton::flagsWhileBlinking_data()
{
    QTest::addColumn<int>("states");
    QTest::addColumn<QString>("call");      // "open" or "remove"
    QTest::addColumn<int>("flag");
    QTest::addColumn<int>("expectedStates");
    QTest::addColumn<int>("expectedIcon"); // Other: blinking on

    QTest::newRow("open while blinking and lit") << 6 << "open" << 0 << 2 << int(Belling);
    QTest::newRow("open while blinking") << 4 << "open" << 0 << 0 << int(Bell);
    QTest::newRow("open while lit only") << 2 << "open" << 0 << 2 << int(Belling);
    QTest::newRow("remove lit while not blinking") << 2 << "remove" << 2 << 2 << int(Belling);
    QTest::newRow("remove lit while blinking") << 6 << "remove" << 2 << 4 << int(Other);
    QTest::newRow("remove blinking") << 6 << "remove" << 4 << 2 << int(Belling);
    QTest::newRow("remove both") << 6 << "remove" << 6 << 0 << int(Bell);
}

void TestBellButton::flagsWhileBlinking()
{
    QFETCH(int, states);
    QFETCH(QString, call);
    QFETCH(int, flag);
    QFETCH(int, expectedStates);
    QFETCH(int, expectedIcon);

    BellButton button;
    prepare(button);
    button.setStates(states);
    if (call == "open")
        button.openNewMessage();
    else
        button.removeFlag(flag);
    QCOMPARE(button.states(), expectedStates);

    if (expectedIcon == Other) {
        QCOMPARE(timers(button), blinkTimer);
    } else {
        QCOMPARE(int(shown(button)), expectedIcon);
        QVERIFY(timers(button).isEmpty());
    }
}

QTEST_MAIN(TestBellButton)
#include "tst_bellbutton.moc"
