#include "widgets/activitylabel.h"
#include "widgets/introductionbutton.h"
#include "widgets/kwhostinfo.h"
#include "widgets/kwresulthintpage.h"
#include "widgets/viewtipspanel.h"

#include <QLabel>
#include <QNetworkInterface>
#include <QPushButton>
#include <QStackedWidget>
#include <QSysInfo>
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

QPushButton *currentButton(ViewTipsPanel &panel)
{
    auto *stack = static_cast<QStackedWidget *>(panel.getStackWnd());
    return stack->currentWidget()->findChild<QPushButton *>();
}
}

class TestSmallWidgets : public QObject
{
    Q_OBJECT

private slots:
    void hintPageClick_data();
    void hintPageClick();
    void hintPageLook();
    void activityLabelButtons_data();
    void activityLabelButtons();
    void introductionStrip();
    void tipsPanelPages();
    void tipsPanelSwitch_data();
    void tipsPanelSwitch();
    void tipsPanelBeforeCreate();
    void hostInfoOfThisMachine();
};

void TestSmallWidgets::hintPageClick_data()
{
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QStringList>("events");

    QTest::newRow("enabled: signal, then the page's own reaction") << true << QStringList{"signal", "clicked"};
    QTest::newRow("disabled: nothing") << false << QStringList{};
}

void TestSmallWidgets::hintPageClick()
{
    QFETCH(bool, enabled);
    QFETCH(QStringList, events);

    RecordingHintPage page;
    page.resize(300, 300);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    page.setButtonEnable(enabled);
    QTest::mouseClick(page.findChild<QPushButton *>("pushbutton"), Qt::LeftButton);
    QCOMPARE(page.events, events);
}

void TestSmallWidgets::hintPageLook()
{
    KwResultHintPage page(nullptr, "hint");
    auto *button = page.findChild<QPushButton *>("pushbutton");
    auto *label = page.findChild<QLabel *>("hintlabel");
    QVERIFY(button && label);
    QCOMPARE(label->text(), QString("暂无股票 点击添加"));
    page.setHintString("暂无数据");
    QCOMPARE(label->text(), QString("暂无数据"));

    page.resize(400, 300);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QCOMPARE(button->size(), QSize(84, 84));
    page.setIconSize(QSize(120, 60));
    QTRY_COMPARE(button->size(), QSize(120, 60));
    // Centred both ways, the text 16 pixels under the button.
    QTRY_COMPARE(button->geometry().center().x(), page.rect().center().x());
    const int blockTop = button->y();
    const int blockBottom = label->geometry().bottom();
    QVERIFY(qAbs(blockTop - (page.height() - 1 - blockBottom)) <= 1);
    QCOMPARE(label->y(), button->geometry().bottom() + 1 + 16);
}

void TestSmallWidgets::activityLabelButtons_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("clicks");

    QTest::newRow("left") << int(Qt::LeftButton) << 1;
    QTest::newRow("right") << int(Qt::RightButton) << 0;
    QTest::newRow("middle") << int(Qt::MiddleButton) << 0;
}

void TestSmallWidgets::activityLabelButtons()
{
    QFETCH(int, button);
    QFETCH(int, clicks);

    ActivityLabel label("更多活动");
    QCOMPARE(label.text(), QString("更多活动"));
    label.show();
    QVERIFY(QTest::qWaitForWindowExposed(&label));
    QSignalSpy spy(&label, &ActivityLabel::clicked);
    QTest::mouseClick(&label, Qt::MouseButton(button));
    QCOMPARE(spy.count(), clicks);
}

void TestSmallWidgets::introductionStrip()
{
    IntroductionButton strip("提示");
    QCOMPARE(strip.getPath(), QString("introductionbutton"));
    auto *label = strip.findChild<QLabel *>();
    QCOMPARE(label->text(), QString("提示"));
    strip.setHintString("新的提示");
    QCOMPARE(label->text(), QString("新的提示"));

    strip.resize(400, 40);
    strip.show();
    QVERIFY(QTest::qWaitForWindowExposed(&strip));
    // The hint sits at the left margin; the stretch takes the rest.
    QCOMPARE(label->x(), 14);
    QCOMPARE(label->y(), 7);
    QCOMPARE(label->height(), 40 - 14);
    QVERIFY(label->width() < 200);
}

void TestSmallWidgets::tipsPanelPages()
{
    ViewTipsPanel panel(nullptr, "tips");
    QCOMPARE(panel.getCurrType(), -1);
    QWidget normal;
    panel.setTipItems({{3, "btnNoStock", "lblNoStock", "没有股票"}, {5, "btnNoNews", "lblNoNews", "没有资讯"}},
                      60, 40);
    panel.setNormalWnd(&normal, 9);
    panel.createWg();

    auto *stack = qobject_cast<QStackedWidget *>(panel.getStackWnd());
    QVERIFY(stack);
    QCOMPARE(stack->parentWidget(), &panel);
    QCOMPARE(stack->count(), 3);
    QCOMPARE(stack->widget(2), &normal);
    QCOMPARE(panel.getCurrType(), 3);
    QCOMPARE(currentButton(panel)->objectName(), QString("btnNoStock"));

    auto *button = panel.findChild<QPushButton *>("btnNoNews");
    auto *label = panel.findChild<QLabel *>("lblNoNews");
    QVERIFY(button && label);
    QCOMPARE(button->minimumSize(), QSize(60, 40));
    QCOMPARE(button->maximumSize(), QSize(60, 40));
    QCOMPARE(label->text(), QString("没有资讯"));
}

void TestSmallWidgets::tipsPanelSwitch_data()
{
    QTest::addColumn<QString>("action");    // "click <type>" or "switch <type>"
    QTest::addColumn<int>("expectedType");
    QTest::addColumn<QString>("expectedPage"); // object name of the page's button, or "normal"
    QTest::addColumn<QList<int>>("clicked");

    QTest::newRow("click reports, does not switch") << "click 5" << 3 << "btn3" << QList<int>{5};
    QTest::newRow("click the shown page") << "click 3" << 3 << "btn3" << QList<int>{3};
    QTest::newRow("switch to an item") << "switch 5" << 5 << "btn5" << QList<int>{};
    QTest::newRow("switch to the normal window") << "switch 9" << 9 << "normal" << QList<int>{};
    QTest::newRow("switch to an unknown type") << "switch 7" << 3 << "btn3" << QList<int>{};
}

void TestSmallWidgets::tipsPanelSwitch()
{
    QFETCH(QString, action);
    QFETCH(int, expectedType);
    QFETCH(QString, expectedPage);
    QFETCH(QList<int>, clicked);

    ViewTipsPanel panel;
    QWidget normal;
    panel.setTipItems({{3, "btn3", "lbl3", "三"}, {5, "btn5", "lbl5", "五"}}, 50, 50);
    panel.setNormalWnd(&normal, 9);
    panel.createWg();
    panel.resize(300, 300);
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    QSignalSpy spy(&panel, &ViewTipsPanel::clickItem);

    const int type = action.section(' ', 1).toInt();
    if (action.startsWith("click"))
        QTest::mouseClick(panel.findChild<QPushButton *>(QString("btn%1").arg(type)), Qt::LeftButton);
    else
        panel.switchType(type);

    QList<int> reported;
    for (const QList<QVariant> &args : spy)
        reported << args.at(0).toInt();
    QCOMPARE(reported, clicked);
    QCOMPARE(panel.getCurrType(), expectedType);
    auto *stack = static_cast<QStackedWidget *>(panel.getStackWnd());
    if (expectedPage == "normal")
        QCOMPARE(stack->currentWidget(), &normal);
    else
        QCOMPARE(currentButton(panel)->objectName(), expectedPage);
}

void TestSmallWidgets::tipsPanelBeforeCreate()
{
    // Switching before the pages exist, or to a window set after them, must not touch a
    // stack that does not hold the page.
    ViewTipsPanel panel;
    QWidget early;
    panel.setNormalWnd(&early, 9);
    panel.switchType(9);
    QCOMPARE(panel.getCurrType(), -1);
    QVERIFY(!panel.getStackWnd());

    panel.setTipItems({{1, "b1", "l1", "一"}}, 30, 30);
    panel.createWg();
    QWidget late;
    panel.setNormalWnd(&late, 4);
    panel.switchType(4);
    QCOMPARE(panel.getCurrType(), 1);
    panel.switchType(9);
    QCOMPARE(panel.getCurrType(), 9);
}

void TestSmallWidgets::hostInfoOfThisMachine()
{
    QString mac;
    for (const QNetworkInterface &nic : QNetworkInterface::allInterfaces()) {
        if (nic.flags().testFlag(QNetworkInterface::IsUp) && nic.flags().testFlag(QNetworkInterface::IsRunning)
            && !nic.flags().testFlag(QNetworkInterface::IsLoopBack)) {
            mac = nic.hardwareAddress();
            break;
        }
    }
    QStringList ipv4;
    for (const QHostAddress &address : QNetworkInterface::allAddresses())
        if (address.protocol() == QAbstractSocket::IPv4Protocol && !address.isLoopback())
            ipv4 << address.toString();

    const KwHostInfo &info = KwHostInfo::instance();
    QCOMPARE(&KwHostInfo::instance(), &info);
    QCOMPARE(info.macAdress(), mac);
    QCOMPARE(info.ipAdress(), ipv4.isEmpty() ? QString() : ipv4.last());
    QVERIFY(info.ipAdress() != "127.0.0.1");
    QCOMPARE(info.productName(), QSysInfo::prettyProductName());
    QVERIFY(!info.productName().isEmpty());

    const KwHostInfo copy = info;
    QCOMPARE(copy.macAdress(), info.macAdress());
    QCOMPARE(copy.ipAdress(), info.ipAdress());
}

QTEST_MAIN(TestSmallWidgets)
#include "tst_smallwidgets.moc"
