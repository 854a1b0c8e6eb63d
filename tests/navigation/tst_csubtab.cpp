#include "navigation/csubtab.h"
#include "navigation/kwline.h"

#include <QLayout>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

namespace {
int checkedCount(CSubTab &bar)
{
    int n = 0;
    for (QPushButton *b : bar.findChildren<QPushButton *>())
        n += b->isChecked();
    return n;
}
} // namespace

class TestCSubTab : public QObject
{
    Q_OBJECT

private slots:
    void ids_data();
    void ids();
    void clearKeepsTrailingItem();
    void selection();
    void setAllUnCheck_data();
    void setAllUnCheck();
    void trailingItem();
    void typeAndVariants();
};

void TestCSubTab::ids_data()
{
    // Steps: "text@id" adds one button, "+a,b" calls addButtons, "=a,b" calls setButtons.
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("expected"); // "id=text" for every button of the bar

    QTest::newRow("automatic") << QStringList{"A@-1", "B@-1"} << QStringList{"0=A", "1=B"};
    QTest::newRow("explicit then count") << QStringList{"A@-1", "B@7", "C@-1"} << QStringList{"0=A", "7=B", "2=C"};
    QTest::newRow("count taken skips on") << QStringList{"A@2", "B@-1", "C@-1"} << QStringList{"2=A", "1=B", "3=C"};
    QTest::newRow("used id refused") << QStringList{"A@-1", "B@0"} << QStringList{"0=A"};
    QTest::newRow("addButtons after three")
            << QStringList{"A@-1", "B@-1", "C@-1", "+D,E"} << QStringList{"0=A", "1=B", "2=C", "3=D", "4=E"};
    QTest::newRow("addButtons around explicit") << QStringList{"A@1", "+B,C"} << QStringList{"1=A", "2=B", "3=C"};
    QTest::newRow("setButtons restarts at 0") << QStringList{"A@5", "B@-1", "=C,D"} << QStringList{"0=C", "1=D"};
}

void TestCSubTab::ids()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, expected);
    CSubTab bar;
    for (const QString &step : steps) {
        if (step.startsWith('+'))
            bar.addButtons(step.mid(1).split(','));
        else if (step.startsWith('='))
            bar.setButtons(step.mid(1).split(','));
        else
            bar.addButton(step.section('@', 0, 0), step.section('@', 1).toInt(), nullptr);
    }
    QCOMPARE(bar.findChildren<QPushButton *>().size(), expected.size());
    for (const QString &pair : expected) {
        QPushButton *button = bar.getButton(pair.section('=', 0, 0).toInt());
        QVERIFY2(button, qPrintable(pair));
        QCOMPARE(button->objectName(), pair.section('=', 1));
        QCOMPARE(button->parentWidget(), &bar);
    }
}

void TestCSubTab::clearKeepsTrailingItem()
{
    CSubTab bar;
    bar.addButton("A", -1, new KwLine(Qt::Vertical));
    bar.addButton("B", 4, new KwLine(Qt::Vertical));
    bar.addLine(3, -1);
    bar.addLine(1, 20);
    bar.setStretchLastType(CSubTab::Stretch_Space);
    bar.setCurrentButton(4);
    const QList<KwLine *> added = bar.findChildren<KwLine *>();
    QCOMPARE(added.size(), 4);
    QCOMPARE(bar.getLine(4), added[1]);
    // A refused id takes its separator along, even one made as the bar's child.
    bar.addButton("again", 4, new KwLine(Qt::Vertical, &bar));
    QCOMPARE(bar.findChildren<KwLine *>(), added);
    QCOMPARE(added[2]->maximumWidth(), 3);
    QCOMPARE(added[2]->maximumHeight(), QWIDGETSIZE_MAX);
    QCOMPARE(added[3]->maximumHeight(), 20);

    bar.clear();
    QVERIFY(!bar.getButton(0) && !bar.getButton(4) && !bar.getLine(0) && !bar.getLine(4));
    QVERIFY(bar.findChildren<QPushButton *>().isEmpty());
    QVERIFY(bar.findChildren<KwLine *>().isEmpty());
    QCOMPARE(bar.layout()->itemAt(0)->layout()->count(), 0);
    QCOMPARE(bar.layout()->count(), 2);
    QCOMPARE(bar.currentButton(), 4);
}

void TestCSubTab::selection()
{
    CSubTab bar;
    bar.addButtons({"A", "B", "C"});
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    QSignalSpy spy(&bar, &CSubTab::currentButtonChanged);

    bar.setCurrentButton(2);
    bar.setCurrentButton(5);
    QVERIFY(bar.getButton(2)->isChecked());
    QCOMPARE(bar.currentButton(), 2);

    // A click on the checked button is reported again.
    QTest::mouseClick(bar.getButton(1), Qt::LeftButton);
    QTest::mouseClick(bar.getButton(1), Qt::LeftButton);
    QCOMPARE(bar.currentButton(), 1);
    QCOMPARE(checkedCount(bar), 1);
    QCOMPARE(spy, (QList<QList<QVariant>>{{1}, {1}}));

    bar.setCurrentButton(0);
    QCOMPARE(bar.currentButton(), 0);
    QCOMPARE(spy.size(), 2);
}

void TestCSubTab::setAllUnCheck_data()
{
    QTest::addColumn<bool>("exclusive");
    QTest::addColumn<int>("checked"); // -1: nothing checked before

    QTest::newRow("exclusive, one checked") << true << 1;
    QTest::newRow("exclusive, none checked") << true << -1;
    QTest::newRow("free, two checked") << false << 2;
}

void TestCSubTab::setAllUnCheck()
{
    QFETCH(bool, exclusive);
    QFETCH(int, checked);
    CSubTab bar;
    bar.addButtons({"A", "B", "C"});
    bar.setExclusiveEx(exclusive);
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    for (int id = 1; id <= checked; ++id)
        QTest::mouseClick(bar.getButton(id), Qt::LeftButton);

    bar.setAllUnCheck();
    QCOMPARE(bar.currentButton(), -1);
    QCOMPARE(checkedCount(bar), 0);

    // The group keeps its own exclusivity afterwards.
    QTest::mouseClick(bar.getButton(0), Qt::LeftButton);
    QTest::mouseClick(bar.getButton(2), Qt::LeftButton);
    QCOMPARE(bar.getButton(0)->isChecked(), !exclusive);
}

void TestCSubTab::trailingItem()
{
    CSubTab bar;
    bar.addButtons({"A"});
    bar.setStretchLastType(CSubTab::Stretch_Button);
    QPointer<QPushButton> filler = bar.findChildren<QPushButton *>().last();
    QVERIFY(!filler->isCheckable() && !filler->isEnabled());
    bar.resize(500, 30);
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    QCOMPARE(filler->geometry().right(), bar.width() - 1);

    // A replaced filler goes, and there is never more than one trailing item.
    bar.setStretchLastType(CSubTab::Stretch_Space);
    QVERIFY(!filler);
    QCOMPARE(bar.layout()->count(), 2);
    bar.setStretchLastType(CSubTab::Stretch_None);
    QCOMPARE(bar.layout()->count(), 1);
}

void TestCSubTab::typeAndVariants()
{
    CSubTab bar(nullptr, "tabs");
    QSignalSpy spy(&bar, &CSubTab::csubTypeChanged);
    bar.setCSubTabType(CSubTab::Root_Tab);
    QVERIFY(bar.setProperty("csubTabType", QVariant::fromValue(CSubTab::Child_Tab)));
    QCOMPARE(spy.size(), 2);
    QCOMPARE(bar.csubTabType(), CSubTab::Child_Tab);

    QCOMPARE(CSubTabPeriod().metaObject()->className(), "CSubTabPeriod");
    QCOMPARE(CSubTabSecondBar().metaObject()->className(), "CSubTabSecondBar");
    QCOMPARE(CSubTabThirdBar().metaObject()->className(), "CSubTabThirdBar");
}

QTEST_MAIN(TestCSubTab)
#include "tst_csubtab.moc"
