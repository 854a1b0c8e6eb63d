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
    NavigatorBar navigator;
    CSubTab *first = navigator.addCSubTab(CSubTab::Child_Tab, "first");
    QCOMPARE(first->objectName(), QString("first"));
    QCOMPARE(first->getPath(), QString("first"));
    QCOMPARE(first->csubTabType(), CSubTab::Child_Tab);
    auto *second = new CSubTabThirdBar;
    navigator.addCSubTab(second);
    navigator.addCSubTab(nullptr);
    QCOMPARE(navigator.csubTab(1), second);
    QCOMPARE(second->parentWidget(), &navigator);
    QVERIFY(!navigator.csubTab(2));

    navigator.addButtonToTab(0, "A");
    navigator.addButtonToTab(0, "B");
    navigator.addButtonToTab(2, "lost");
    navigator.setSubTabButtons(2, {"lost"});
    QCOMPARE(first->getButton(1)->text(), QString("B"));
    QCOMPARE(navigator.findChildren<QPushButton *>().size(), 2);

    // A bar its owner deletes leaves its number empty; the rest keep working.
    delete first;
    QVERIFY(!navigator.csubTab(0));
    navigator.addButtonToTab(0, "gone");
    navigator.setSubTabButtons(0, {"gone"});
    QSignalSpy nav(&navigator, &NavigatorBar::navigatorSectionChanged);
    QSignalSpy sub(&navigator, &NavigatorBar::subTabSectionChanged);
    second->setButtons({"X", "Y"});
    navigator.show();
    QVERIFY(QTest::qWaitForWindowExposed(&navigator));
    QTest::mouseClick(second->getButton(1), Qt::LeftButton);
    QCOMPARE(sub.count(), 1);
    QCOMPARE(sub.first(), (QList<QVariant>{1, 1}));
    QCOMPARE(nav.first(), (QList<QVariant>{-1, 1}));
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
    QCOMPARE(clicks, (QList<QList<QVariant>>{{1}, {1}}));
    QVERIFY(side.isCheck(1) && !side.isCheck(9));

    // Selecting from code is silent, and only grouped ids can be selected.
    loose->setChecked(false);
    side.setCheckId(9);
    side.setCheckId(2);
    QVERIFY(!loose->isChecked() && news->isChecked() && !quote->isChecked());
    QCOMPARE(side.getCurrCheckId(), 2);
    QCOMPARE(clicks.size(), 2);

    side.setAllUnCheck();
    QCOMPARE(side.getCurrCheckId(), -1);
    QTest::mouseClick(quote, Qt::LeftButton);
    QTest::mouseClick(news, Qt::LeftButton);
    QVERIFY(!quote->isChecked());
    QCOMPARE(clicks.last().at(0).toInt(), 2);
}

void TestNavigationBars::statusCells_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("name"); // empty: no widget there

    QTest::newRow("spanning cell") << 0 << 3 << "zeroRowCol0";
    QTest::newRow("shortcut cell") << 1 << 1 << "shortCut";
    QTest::newRow("last cell") << 1 << 4 << "FirstRowCol3";
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
    QStringList widths;
    for (const char *name : {"zeroRowCol0", "FirstRowCol0", "shortCut", "FirstRowCol1", "FirstRowCol2", "FirstRowCol3"})
        widths << QString::number(bar.findChild<QWidget *>(name)->width());
    QCOMPARE(widths, (QStringList{"700", "28", "28", "354", "200", "90"}));
}

QTEST_MAIN(TestNavigationBars)
#include "tst_navigationbars.moc"
