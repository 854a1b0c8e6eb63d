#include "navigation/basestackwidget.h"
#include "navigation/scrollwidget.h"
#include "navigation/suolueborderwidget.h"

#include <QLabel>
#include <QLayout>
#include <QPointer>
#include <QScrollArea>
#include <QStackedWidget>
#include <QtTest>

namespace {
// A page that writes down the page-life calls it receives.
class Page : public BaseWidget
{
public:
    void afterActive() override { calls << "active"; }
    void afterDeactive() override { calls << "deactive"; }
    void OnStockCodeChange() override { calls << "code " + m_stockCode; }
    QStringList calls;
};

struct Pages
{
    Pages(BaseStackWidget &stack, int n)
    {
        for (int i = 0; i < n; ++i) {
            pages << new Page;
            stack.addWidget(pages.last(), pages.last());
        }
    }
    QStringList calls() const
    {
        QStringList all;
        for (const Page *p : pages)
            all << p->calls.join(',');
        return all;
    }
    QList<Page *> pages;
};
}

class TestStackContainers : public QObject
{
    Q_OBJECT

private slots:
    void emptyStack();
    void setCurrWidget_data();
    void setCurrWidget();
    void containerPassesCalls();
    void stackOwnership();
    void scrollWidget();
    void thumbnailFrames();
};

void TestStackContainers::emptyStack()
{
    BaseStackWidget stack;
    QCOMPARE(stack.currWidgetIndex(), -1);
    QCOMPARE(stack.count(), 0);
    QVERIFY(!stack.Widget(0));
    QVERIFY(!stack.currWidget());
    QVERIFY(!stack.currKwObject());
    stack.setCurrWidget(0, true, "600000");
    stack.afterActive();
    stack.addWidget(nullptr, nullptr);
    QCOMPARE(stack.count(), 0);
    QCOMPARE(stack.currWidgetIndex(), -1);
}

void TestStackContainers::setCurrWidget_data()
{
    QTest::addColumn<int>("pages");
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("activate");
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("current");
    QTest::addColumn<QStringList>("calls"); // per page

    QTest::newRow("index equal to count") << 3 << 3 << true << "" << 0 << QStringList{"", "", ""};
    QTest::newRow("negative index") << 3 << -1 << true << "600000" << 0 << QStringList{"", "", ""};
    QTest::newRow("last of four") << 4 << 3 << true << "" << 3 << QStringList{"", "", "", "active"};
    QTest::newRow("code only") << 3 << 0 << false << "600000" << 0 << QStringList{"code 600000", "", ""};
    QTest::newRow("code then active") << 2 << 1 << true << "000001" << 1 << QStringList{"", "code 000001,active"};
}

void TestStackContainers::setCurrWidget()
{
    QFETCH(int, pages);
    QFETCH(int, index);
    QFETCH(bool, activate);
    QFETCH(QString, code);
    QFETCH(int, current);
    QFETCH(QStringList, calls);
    BaseStackWidget stack;
    Pages p(stack, pages);
    stack.setCurrWidget(index, activate, code);
    QCOMPARE(stack.currWidgetIndex(), current);
    QCOMPARE(stack.currWidget(), static_cast<QWidget *>(p.pages[current]));
    QCOMPARE(stack.currKwObject(), static_cast<KwObject *>(p.pages[current]));
    QCOMPARE(p.calls(), calls);
}

void TestStackContainers::containerPassesCalls()
{
    BaseStackWidget stack(nullptr, "stack");
    Pages p(stack, 3);
    stack.setCurrWidget(1, false, "");
    stack.afterActive();
    stack.afterDeactive();
    stack.clearCurrWidget();
    QCOMPARE(p.calls(), (QStringList{"", "active,deactive,deactive", ""}));

    for (Page *page : p.pages)
        page->calls.clear();
    stack.setStockCode("600519");
    stack.setStockCode("600519");
    QCOMPARE(p.calls(), (QStringList{"code 600519,code 600519", "code 600519,code 600519", "code 600519,code 600519"}));

    // A page without a bus object is shown but told nothing.
    stack.addWidget(new QLabel("plain"), nullptr);
    stack.setCurrWidget(3, true, "000002");
    QCOMPARE(stack.currWidgetIndex(), 3);
    QVERIFY(!stack.currKwObject());
    stack.afterActive();
    stack.setStockCode("000002");
    QCOMPARE(p.pages[2]->calls.last(), QString("code 000002"));
}

void TestStackContainers::stackOwnership()
{
    QPointer<QWidget> unplaced;
    QPointer<Page> page;
    {
        BaseStackWidget stack;
        unplaced = stack.getStackWnd();
        page = Pages(stack, 1).pages[0];
        QCOMPARE(page->parentWidget(), unplaced.data());
        QCOMPARE(stack.Widget(0), static_cast<QWidget *>(page));
    }
    QVERIFY(!unplaced);
    QVERIFY(!page);

    BaseStackWidget stack;
    stack.layoutStackWnd();
    QVERIFY(!stack.layout());
    Pages two(stack, 2);
    stack.layoutStackWnd();
    stack.resize(300, 200);
    stack.show();
    QVERIFY(QTest::qWaitForWindowExposed(&stack));
    QCOMPARE(stack.getStackWnd()->parentWidget(), &stack);
    QCOMPARE(stack.getStackWnd()->geometry(), QRect(0, 0, 300, 200));
}

void TestStackContainers::scrollWidget()
{
    ScrollWidget scroll;
    auto *content = new QLabel("内容");
    content->setMinimumHeight(600);
    scroll.setWidget(content);
    scroll.resize(300, 200);
    scroll.show();
    QVERIFY(QTest::qWaitForWindowExposed(&scroll));
    auto *area = scroll.findChild<QScrollArea *>();
    QCOMPARE(area->geometry(), QRect(0, 0, 300, 200));
    QCOMPARE(content->width(), area->viewport()->width());
}

void TestStackContainers::thumbnailFrames()
{
    SuolueWidget thumbnail;
    QCOMPARE(thumbnail.getPath(), QString("suoluewidget"));
    QCOMPARE(SuoLueBorderWidget().getPath(), QString());
    QCOMPARE(thumbnail.metaObject()->className(), "SuolueWidget");
    QCOMPARE(thumbnail.metaObject()->superClass()->className(), "SuoLueBorderWidget");
}

QTEST_MAIN(TestStackContainers)
#include "tst_stackcontainers.moc"
