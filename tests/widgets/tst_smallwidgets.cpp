#include "widgets/activitylabel.h"
#include "widgets/kwhostinfo.h"
#include "widgets/kwresulthintpage.h"
#include "widgets/viewtipspanel.h"

#include <QNetworkInterface>
#include <QPushButton>
#include <QStackedWidget>
#include <QtTest>

namespace {
// Records, in order, what a click on the page set off.
class RecordingHintPage : public KwResultHintPage
{
public:
    RecordingHintPage()
    {
        connect(this, &KwResultHintPage::buttonClicked, [this] { events << "signal"; });
    }
    QStringList events;

protected:
    void clicked() override { events << "clicked"; }
};
} // namespace

class TestSmallWidgets : public QObject
{
    Q_OBJECT

private slots:
    void clicksReachTheirSignals_data();
    void clicksReachTheirSignals();
    void tipsPanel_data();
    void tipsPanel();
    void tipsPanelSwitchesOnlyToStackedPages();
    void hostInfoOfThisMachine();
};

void TestSmallWidgets::clicksReachTheirSignals_data()
{
    QTest::addColumn<QString>("widget");
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QStringList>("events");

    QTest::newRow("hint page: signal, then its own reaction")
            << "hint" << int(Qt::LeftButton) << true << QStringList{"signal", "clicked"};
    QTest::newRow("hint page, button disabled") << "hint" << int(Qt::LeftButton) << false << QStringList{};
    QTest::newRow("label, left") << "label" << int(Qt::LeftButton) << true << QStringList{"clicked"};
    QTest::newRow("label, right") << "label" << int(Qt::RightButton) << true << QStringList{};
    QTest::newRow("label, middle") << "label" << int(Qt::MiddleButton) << true << QStringList{};
}

void TestSmallWidgets::clicksReachTheirSignals()
{
    QFETCH(QString, widget);
    QFETCH(int, button);
    QFETCH(bool, enabled);
    QFETCH(QStringList, events);

    RecordingHintPage page;
    ActivityLabel label("更多活动");
    connect(&label, &ActivityLabel::clicked, [&] { page.events << "clicked"; });
    QWidget *shown = widget == "hint" ? static_cast<QWidget *>(&page) : &label;
    shown->resize(300, 300);
    shown->show();
    QVERIFY(QTest::qWaitForWindowExposed(shown));
    page.setButtonEnable(enabled);
    QWidget *target = widget == "hint" ? page.findChild<QPushButton *>("pushbutton") : shown;
    QTest::mouseClick(target, Qt::MouseButton(button));
    QCOMPARE(page.events, events);
}

void TestSmallWidgets::tipsPanel_data()
{
    QTest::addColumn<QString>("action"); // "click N" or "switch N"
    QTest::addColumn<int>("expectedType");
    QTest::addColumn<int>("expectedPage"); // index in the stack
    QTest::addColumn<QList<int>>("reported");

    QTest::newRow("first item shown at start") << "" << 3 << 0 << QList<int>{};
    QTest::newRow("click reports, does not switch") << "click 5" << 3 << 0 << QList<int>{5};
    QTest::newRow("switch to an item") << "switch 5" << 5 << 1 << QList<int>{};
    QTest::newRow("switch to the normal window") << "switch 9" << 9 << 2 << QList<int>{};
    QTest::newRow("switch to an unknown type") << "switch 7" << 3 << 0 << QList<int>{};
}

void TestSmallWidgets::tipsPanel()
{
    QFETCH(QString, action);
    QFETCH(int, expectedType);
    QFETCH(int, expectedPage);
    QFETCH(QList<int>, reported);

    ViewTipsPanel panel;
    QWidget normal;
    panel.setTipItems({{3, "btn3", "lbl3", "三"}, {5, "btn5", "lbl5", "五"}}, 50, 40);
    panel.setNormalWnd(&normal, 9);
    panel.createWg();
    panel.resize(300, 300);
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    auto *stack = qobject_cast<QStackedWidget *>(panel.getStackWnd());
    QCOMPARE(stack->count(), 3);
    QCOMPARE(stack->widget(2), &normal);
    QCOMPARE(panel.findChild<QPushButton *>("btn5")->size(), QSize(50, 40));
    QSignalSpy spy(&panel, &ViewTipsPanel::clickItem);

    const int type = action.section(' ', 1).toInt();
    if (action.startsWith("click"))
        QTest::mouseClick(panel.findChild<QPushButton *>(QString("btn%1").arg(type)), Qt::LeftButton);
    else if (action.startsWith("switch"))
        panel.switchType(type);

    QList<int> clicked;
    for (const QList<QVariant> &args : spy)
        clicked << args.at(0).toInt();
    QCOMPARE(clicked, reported);
    QCOMPARE(panel.getCurrType(), expectedType);
    QCOMPARE(stack->currentIndex(), expectedPage);
}

void TestSmallWidgets::tipsPanelSwitchesOnlyToStackedPages()
{
    ViewTipsPanel panel;
    QWidget early;
    panel.setNormalWnd(&early, 9);
    panel.switchType(9); // no stack yet
    QCOMPARE(panel.getCurrType(), -1);

    panel.setTipItems({{1, "b1", "l1", "一"}}, 30, 30);
    panel.createWg();
    QWidget late;
    panel.setNormalWnd(&late, 4); // too late to join the stack
    panel.switchType(4);
    QCOMPARE(panel.getCurrType(), 1);
    panel.switchType(9);
    QCOMPARE(panel.getCurrType(), 9);
}

void TestSmallWidgets::hostInfoOfThisMachine()
{
    QString mac;
    for (const QNetworkInterface &nic : QNetworkInterface::allInterfaces()) {
        const auto flags = nic.flags();
        if (mac.isEmpty() && flags.testFlag(QNetworkInterface::IsUp) && flags.testFlag(QNetworkInterface::IsRunning) &&
            !flags.testFlag(QNetworkInterface::IsLoopBack))
            mac = nic.hardwareAddress();
    }
    QString ip;
    for (const QHostAddress &address : QNetworkInterface::allAddresses())
        if (address.protocol() == QAbstractSocket::IPv4Protocol && !address.isLoopback())
            ip = address.toString();

    const KwHostInfo &info = KwHostInfo::instance();
    QCOMPARE(&KwHostInfo::instance(), &info);
    QCOMPARE(info.macAdress(), mac);
    QCOMPARE(info.ipAdress(), ip);
    QCOMPARE(info.productName(), QSysInfo::prettyProductName());
}

QTEST_MAIN(TestSmallWidgets)
#include "tst_smallwidgets.moc"
