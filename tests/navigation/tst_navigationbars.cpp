#include "navigation/navigatorbar.h"
#include "navigation/sidebar.h"
#include "navigation/statusbar.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>

using IntList = QList<int>;

class TestNavigationBars : public QObject
{
    Q_OBJECT

private slots:
    void navigatorSignals_data();
    void navigatorSignals();
    void navigatorBarsByIndex();
    void sideBarSelection();
    void statusCells_data();
    void statusCells();
    void statusLayout();
};

void TestNavigationBars::navigatorSignals_data()
{
    QTest::addColumn<bool>("byPointer");
    QTest::addColumn<IntList>("presets"); // current id set silently on each bar before the click
    QTest::addColumn<int>("bar");
    QTest::addColumn<int>("button");
    QTest::addColumn<QStringList>("expected"); // the navigator's signals in emission order

    QTest::newRow("one bar") << false << IntList{-1} << 0 << 3 << QStringList{"sub 0 3", "nav 3 -1"};
    QTest::newRow("two bars, second clicked") << false << IntList{1, 4} << 1 << 2 << QStringList{"sub 1 2", "nav 1 2"};
    QTest::newRow("two bars, first clicked") << false << IntList{1, 4} << 0 << 0 << QStringList{"sub 0 0", "nav 0 4"};
    QTest::newRow("three bars, third clicked") << false << IntList{1, 4, 0} << 2 << 3 << QStringList{"nav 1 4"};
    QTest::newRow("bars added as pointers") << true << IntList{1, 4} << 1 << 2 << QStringList{"sub 1 2", "nav 1 2"};
    QTest::newRow("three pointers, third clicked") << true << IntList{2, -1, 1} << 2 << 0 << QStringList{"nav 2 -1"};
}

void TestNavigationBars::navigatorSignals()
{
    QFETCH(bool, byPointer);
    QFETCH(IntList, presets);
    QFETCH(int, bar);
    QFETCH(int, button);
    QFETCH(QStringList, expected);

    NavigatorBar navigator;
    for (int i = 0; i < presets.size(); ++i) {
        if (byPointer)
            navigator.addCSubTab(new CSubTabSecondBar(nullptr, "bar"));
        else
            navigator.addCSubTab(CSubTab::Child_Tab, QString("bar%1").arg(i));
        navigator.setSubTabButtons(i, {"A", "B", "C", "D", "E"});
        navigator.csubTab(i)->setCurrentButton(presets[i]);
    }
    QStringList received;
    connect(&navigator, &NavigatorBar::subTabSectionChanged, this,
            [&](int id, int b) { received << QString("sub %1 %2").arg(id).arg(b); });
    connect(&navigator, &NavigatorBar::navigatorSectionChanged, this,
            [&](int p, int s) { received << QString("nav %1 %2").arg(p).arg(s); });
    navigator.show();
    QVERIFY(QTest::qWaitForWindowExposed(&navigator));

    QTest::mouseClick(navigator.csubTab(bar)->getButton(button), Qt::LeftButton);
    QCOMPARE(received, expected);
}

void TestNavigationBars::navigatorBarsByIndex()
{
    NavigatorBar navigator(nullptr, "nav");
    CSubTab *first = navigator.addCSubTab(CSubTab::Child_Tab, "first");
    QCOMPARE(first->objectName(), QString("first"));
    QCOMPARE(first->getPath(), QString("first"));
    QCOMPARE(first->csubTabType(), CSubTab::Child_Tab);
    QCOMPARE(first->parentWidget(), &navigator);
    QCOMPARE(navigator.csubTab(0), first);
    QVERIFY(!navigator.csubTab(1));

    navigator.addButtonToTab(0, "A");
    navigator.addButtonToTab(0, "B");
    navigator.addButtonToTab(1, "lost");
    navigator.setSubTabButtons(2, {"lost"});
    QCOMPARE(first->getButton(1)->text(), QString("B"));
    QCOMPARE(first->getLine(1), nullptr);
    QCOMPARE(navigator.findChildren<QPushButton *>().size(), 2);

    auto *second = new CSubTabThirdBar;
    navigator.addCSubTab(second);
    navigator.addCSubTab(nullptr);
    QCOMPARE(navigator.csubTab(1), second);
    QVERIFY(!navigator.csubTab(2));
    QCOMPARE(second->parentWidget(), &navigator);
}

void TestNavigationBars::sideBarSelection()
{
    SideBar side;
    side.addLogo();
    QToolButton *quote = side.addToolButton(QIcon(), 1, "行情", true, Qt::ToolButtonTextUnderIcon);
    side.addSeparator();
    QToolButton *news = side.addToolButton("资讯", 2, true, Qt::ToolButtonTextOnly);
    QToolButton *loose = side.addToolButton(new QToolButton, 9, false);
    side.addStretch();
    for (QToolButton *b : {quote, news, loose})
        b->setCheckable(true);
    QCOMPARE(loose->parentWidget(), &side);
    QSignalSpy clicks(&side, &SideBar::signalClickButton);
    side.show();
    QVERIFY(QTest::qWaitForWindowExposed(&side));

    QTest::mouseClick(quote, Qt::LeftButton);
    QTest::mouseClick(quote, Qt::LeftButton);
    QTest::mouseClick(loose, Qt::LeftButton);
    QCOMPARE(clicks.size(), 2);
    QCOMPARE(clicks.at(1).at(0).toInt(), 1);
    QCOMPARE(side.getCurrCheckId(), 1);
    QVERIFY(side.isCheck(1));
    QVERIFY(!side.isCheck(9));

    loose->setChecked(false);
    side.setCheckId(9);
    QVERIFY(!loose->isChecked());
    side.setCheckId(2);
    QVERIFY(news->isChecked());
    QVERIFY(!quote->isChecked());
    QCOMPARE(clicks.size(), 2);

    side.setAllUnCheck();
    QCOMPARE(side.getCurrCheckId(), -1);
    QTest::mouseClick(quote, Qt::LeftButton);
    QTest::mouseClick(news, Qt::LeftButton);
    QVERIFY(!quote->isChecked());
    QCOMPARE(clicks.size(), 4);
    QCOMPARE(clicks.last().at(0).toInt(), 2);
}

void TestNavigationBars::statusCells_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("name"); // empty: no widget there

    QTest::newRow("first row start") << 0 << 0 << "zeroRowCol0";
    QTest::newRow("first row spans") << 0 << 3 << "zeroRowCol0";
    QTest::newRow("first row end") << 0 << 4 << "zeroRowCol0";
    QTest::newRow("second row 0") << 1 << 0 << "FirstRowCol0";
    QTest::newRow("shortcut cell") << 1 << 1 << "shortCut";
    QTest::newRow("second row 2") << 1 << 2 << "FirstRowCol1";
    QTest::newRow("second row 3") << 1 << 3 << "FirstRowCol2";
    QTest::newRow("second row 4") << 1 << 4 << "FirstRowCol3";
    QTest::newRow("below the grid") << 2 << 0 << "";
    QTest::newRow("right of the grid") << 1 << 5 << "";
    QTest::newRow("negative") << -1 << 0 << "";
}

void TestNavigationBars::statusCells()
{
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QString, name);
    StatusBar bar;
    QWidget *cell = bar.widgetAtPosition(row, column);
    QCOMPARE(cell ? cell->objectName() : QString(), name);
}

void TestNavigationBars::statusLayout()
{
    StatusBar bar;
    bar.resize(700, 100);
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    QCOMPARE(bar.height(), 41);
    const auto width = [&](const char *name) { return bar.findChild<QWidget *>(name)->width(); };
    QCOMPARE(width("zeroRowCol0"), 700);
    QCOMPARE(width("FirstRowCol0"), 28);
    QCOMPARE(width("shortCut"), 28);
    QCOMPARE(width("FirstRowCol2"), 200);
    QCOMPARE(width("FirstRowCol3"), 90);
    QCOMPARE(width("FirstRowCol1"), 700 - 28 - 28 - 200 - 90);
    QCOMPARE(bar.findChild<QWidget *>("FirstRowCol3")->geometry().right(), 699);
}

QTEST_MAIN(TestNavigationBars)
#include "tst_navigationbars.moc"
