#include "navigation/csubtab.h"
#include "navigation/sidebar.h"
#include "widgets/viewtipspanel.h"
#include "window/framelesshelper.h"

#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

// Client code deletes what the library handed it, or what it handed the library, whenever it
// likes: the container must neither call into it nor trip over its address afterwards.
class TestDestructionOrder : public QObject
{
    Q_OBJECT

private slots:
    void containerOutlivesWhatItHolds_data();
    void containerOutlivesWhatItHolds();
};

void TestDestructionOrder::containerOutlivesWhatItHolds_data()
{
    QTest::addColumn<QString>("held");
    QTest::newRow("sub-tab button") << "csubtab";
    QTest::newRow("side bar button") << "sidebar";
    QTest::newRow("widget under a frameless helper") << "frameless";
    QTest::newRow("normal window of a tips panel") << "tips";
}

void TestDestructionOrder::containerOutlivesWhatItHolds()
{
    QFETCH(QString, held);
    if (held == "csubtab") {
        CSubTab bar;
        bar.addButtons({"A", "B", "C"});
        delete bar.getButton(1);
        QVERIFY(!bar.getButton(1));
        bar.addButton("B again", 1, nullptr); // the id is free again
        QCOMPARE(bar.getButton(1)->text(), QString("B again"));
        bar.setCurrentButton(1);
        bar.setButtons({"X"}); // clears around what is gone
        QCOMPARE(bar.findChildren<QPushButton *>().size(), 1);
    } else if (held == "sidebar") {
        SideBar side;
        QToolButton *one = side.addToolButton("一", 1, true, Qt::ToolButtonTextOnly);
        QToolButton *two = side.addToolButton("二", 2, true, Qt::ToolButtonTextOnly);
        two->setCheckable(true);
        delete one;
        side.setCheckId(1);
        side.setCheckId(2);
        QCOMPARE(side.getCurrCheckId(), 2);
    } else if (held == "frameless") {
        QWidget window;
        FramelessHelper *helper = FramelessHelper::makeFrameless(&window);
        auto *child = new QWidget(&window);
        helper->activateOn(child);
        delete child;
        // The same address may come back as another widget: it is not served by mistake.
        helper->removeFrom(child);
        helper->setRubberBandOnMove(true);
        auto *other = new QWidget(&window);
        helper->activateOn(other);
        helper->removeFrom(other);
        delete other;
    } else {
        ViewTipsPanel panel;
        panel.setTipItems({TipsItem{}}, 80, 60);
        auto *normal = new QLabel("normal");
        panel.setNormalWnd(normal, 7);
        panel.createWg();
        delete normal;
        panel.switchType(7);
        panel.switchType(0);
    }
}

QTEST_MAIN(TestDestructionOrder)
#include "tst_destructionorder.moc"
