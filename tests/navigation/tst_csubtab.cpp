#include "navigation/csubtab.h"
#include "navigation/kwline.h"

#include <QLayout>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

namespace {
QList<QPushButton *> buttonsOf(CSubTab &bar)
{
    QList<QPushButton *> buttons;
    for (QPushButton *b : bar.findChildren<QPushButton *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (b->isCheckable())
            buttons << b;
    }
    return buttons;
}

QLayout *row(CSubTab &bar)
{
    return bar.layout()->itemAt(0)->layout();
}
}

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
    void trailingItem_data();
    void trailingItem();
    void separators_data();
    void separators();
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
    QTest::newRow("addButtons after three") << QStringList{"A@-1", "B@-1", "C@-1", "+D,E"}
                                            << QStringList{"0=A", "1=B", "2=C", "3=D", "4=E"};
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
    QCOMPARE(buttonsOf(bar).size(), expected.size());
    QCOMPARE(row(bar)->count(), expected.size());
    for (const QString &pair : expected) {
        QPushButton *button = bar.getButton(pair.section('=', 0, 0).toInt());
        QVERIFY2(button, qPrintable(pair));
        QCOMPARE(button->text(), pair.section('=', 1));
        QCOMPARE(button->objectName(), pair.section('=', 1));
        QCOMPARE(button->parentWidget(), &bar);
    }
}

void TestCSubTab::clearKeepsTrailingItem()
{
    CSubTab bar;
    bar.addButton("A", -1, new KwLine(Qt::Vertical));
    bar.addButton("B", 4, new KwLine(Qt::Vertical));
    bar.addLine(1, -1);
    bar.addButtons({"C"});
    bar.setStretchLastType(CSubTab::Stretch_Button);
    bar.setCurrentButton(4);
    QVERIFY(bar.getLine(0) && bar.getLine(4));

    bar.clear();
    for (int id : {0, 1, 2, 4}) {
        QVERIFY(!bar.getButton(id));
        QVERIFY(!bar.getLine(id));
    }
    QVERIFY(buttonsOf(bar).isEmpty());
    QVERIFY(bar.findChildren<KwLine *>().isEmpty());
    QCOMPARE(row(bar)->count(), 0);
    QCOMPARE(bar.layout()->count(), 2);
    QCOMPARE(bar.currentButton(), 4);
    bar.addButton("D", -1, nullptr);
    QCOMPARE(bar.getButton(0)->text(), QString("D"));
}

void TestCSubTab::selection()
{
    CSubTab bar;
    bar.addButtons({"A", "B", "C"});
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    QSignalSpy spy(&bar, &CSubTab::currentButtonChanged);

    bar.setCurrentButton(2);
    QVERIFY(bar.getButton(2)->isChecked());
    QCOMPARE(bar.currentButton(), 2);
    bar.setCurrentButton(5);
    QCOMPARE(bar.currentButton(), 2);
    QVERIFY(spy.isEmpty());

    QTest::mouseClick(bar.getButton(1), Qt::LeftButton);
    QCOMPARE(bar.currentButton(), 1);
    QVERIFY(!bar.getButton(2)->isChecked());
    QTest::mouseClick(bar.getButton(1), Qt::LeftButton);
    QCOMPARE(spy.size(), 2);
    QCOMPARE(spy.at(0).at(0).toInt(), 1);
    QCOMPARE(spy.at(1).at(0).toInt(), 1);
    QVERIFY(bar.getButton(1)->isChecked());

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
    QTest::newRow("free, one checked") << false << 2;
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
    if (checked >= 0)
        QTest::mouseClick(bar.getButton(checked), Qt::LeftButton);

    bar.setAllUnCheck();
    QCOMPARE(bar.currentButton(), -1);
    for (QPushButton *b : buttonsOf(bar))
        QVERIFY(!b->isChecked());

    // The group keeps its own exclusivity afterwards.
    QTest::mouseClick(bar.getButton(0), Qt::LeftButton);
    QTest::mouseClick(bar.getButton(1), Qt::LeftButton);
    QCOMPARE(bar.getButton(0)->isChecked(), !exclusive);
    QCOMPARE(bar.currentButton(), 1);
}

void TestCSubTab::trailingItem_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("buttonsKeepHint");

    QTest::newRow("none") << int(CSubTab::Stretch_None) << false;
    QTest::newRow("space") << int(CSubTab::Stretch_Space) << true;
    QTest::newRow("button") << int(CSubTab::Stretch_Button) << true;
}

void TestCSubTab::trailingItem()
{
    QFETCH(int, type);
    QFETCH(bool, buttonsKeepHint);
    CSubTab bar;
    bar.addButtons({"A", "B"});
    // Whatever came before is replaced, and a replaced filler button does not linger.
    bar.setStretchLastType(CSubTab::Stretch_Button);
    QPointer<QPushButton> oldFiller = bar.findChildren<QPushButton *>().last();
    QVERIFY(!oldFiller->isCheckable());
    bar.setStretchLastType(CSubTab::Stretch_Space);
    QVERIFY(!oldFiller);

    bar.setStretchLastType(CSubTab::StretchLastType(type));
    QCOMPARE(bar.layout()->count(), type == CSubTab::Stretch_None ? 1 : 2);
    bar.resize(500, 30);
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    QPushButton *a = bar.getButton(0);
    QCOMPARE(a->width() == a->sizeHint().width(), buttonsKeepHint);
    if (type == CSubTab::Stretch_Button) {
        QPushButton *filler = bar.findChildren<QPushButton *>().last();
        QVERIFY(!filler->isEnabled());
        QVERIFY(!filler->isChecked());
        QCOMPARE(filler->geometry().right(), bar.width() - 1);
    }
}

void TestCSubTab::separators_data()
{
    QTest::addColumn<bool>("vertical");
    QTest::addColumn<int>("width");

    QTest::newRow("horizontal") << false << 3;
    QTest::newRow("vertical") << true << 2;
}

void TestCSubTab::separators()
{
    QFETCH(bool, vertical);
    QFETCH(int, width);
    KwLine line(vertical ? Qt::Vertical : Qt::Horizontal, nullptr, "sep");
    QCOMPARE(line.objectName(), QString("sep"));
    QCOMPARE(line.frameShape(), vertical ? QFrame::VLine : QFrame::HLine);
    QCOMPARE(line.frameShadow(), QFrame::Plain);
    line.setKWlineWidth(width);
    QCOMPARE(line.lineWidth(), 1);
    QCOMPARE(vertical ? line.minimumWidth() : line.minimumHeight(), width);
    QCOMPARE(vertical ? line.maximumWidth() : line.maximumHeight(), width);
    QCOMPARE(vertical ? line.maximumHeight() : line.maximumWidth(), QWIDGETSIZE_MAX);

    CSubTab bar;
    bar.addButtons({"A"});
    bar.addLine(3, -1);
    bar.addLine(1, 20);
    const QList<KwLine *> lines = bar.findChildren<KwLine *>();
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines[0]->maximumWidth(), 3);
    QCOMPARE(lines[0]->maximumHeight(), QWIDGETSIZE_MAX);
    QCOMPARE(lines[1]->maximumHeight(), 20);
    QVERIFY(!bar.getLine(0));
}

void TestCSubTab::typeAndVariants()
{
    CSubTab bar(nullptr, "tabs");
    QCOMPARE(bar.getPath(), QString("tabs"));
    QSignalSpy spy(&bar, &CSubTab::csubTypeChanged);
    bar.setCSubTabType(CSubTab::Root_Tab);
    QVERIFY(bar.setProperty("csubTabType", QVariant::fromValue(CSubTab::Child_Tab)));
    QCOMPARE(spy.size(), 2);
    QCOMPARE(bar.csubTabType(), CSubTab::Child_Tab);

    CSubTabPeriod period;
    CSubTabSecondBar second;
    CSubTabThirdBar third;
    QCOMPARE(period.metaObject()->className(), "CSubTabPeriod");
    QCOMPARE(second.metaObject()->className(), "CSubTabSecondBar");
    QCOMPARE(third.metaObject()->className(), "CSubTabThirdBar");
    second.addButtons({"A"});
    QCOMPARE(second.getButton(0)->text(), QString("A"));
}

QTEST_MAIN(TestCSubTab)
#include "tst_csubtab.moc"
