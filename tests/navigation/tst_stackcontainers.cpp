#include "navigation/basestackwidget.h"
#include "navigation/scrollwidget.h"
#include "navigation/suolueborderwidget.h"

#include <QLabel>
#include <QLayout>
#include <QPointer>
#include <QScrollArea>
#include <QStackedWidget>
#include <QtTest>

#include <utility>

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
} // namespace

class TestStackContainers : public QObject
{
    Q_OBJECT

private slots:
    void emptyStack();
    void setCurrWidget_data();
    void setCurrWidget();
    void containerPassesCalls();
    void stackOwnership();
    void survivesDeletionsInAnyOrder_data();
    void survivesDeletionsInAnyOrder();
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

// A bus object of a page that lives apart from the page's widget.
class Presenter : public QObject, public KwObject
{
public:
    void afterActive() override { ++actives; }
    void OnStockCodeChange() override { codes << m_stockCode; }
    int actives = 0;
    QStringList codes;
};

void TestStackContainers::survivesDeletionsInAnyOrder_data()
{
    QTest::addColumn<QString>("deleted");
    QTest::newRow("shown page") << "page 1";
    QTest::newRow("earlier page") << "page 0";
    QTest::newRow("separate page object") << "presenter";
    QTest::newRow("page taken off the stack") << "taken 1";
    QTest::newRow("the stack") << "stack";
    QTest::newRow("the container before its pages") << "container";
}

void TestStackContainers::survivesDeletionsInAnyOrder()
{
    QFETCH(QString, deleted);
    auto *container = new BaseStackWidget(nullptr, "stack");
    container->layoutStackWnd();
    Pages pages(*container, 3);
    QPointer<Page> watch[3] = {pages.pages[0], pages.pages[1], pages.pages[2]};
    auto *presenterPage = new QLabel("presented");
    Presenter presenter;
    container->addWidget(presenterPage, &presenter);
    QPointer<QWidget> stack = container->getStackWnd();
    container->setCurrWidget(1, false, QString());

    if (deleted.startsWith("page "))
        delete pages.pages[deleted.back().digitValue()];
    else if (deleted == "presenter")
        // Destroyed, and a fresh object made at the same address: a stale pointer would reach it.
        presenter.~Presenter(), new (&presenter) Presenter;
    else if (deleted == "taken 1")
        static_cast<QStackedWidget *>(stack.data())->removeWidget(pages.pages[1]);
    else if (deleted == "stack")
        delete stack.data();
    else
        delete std::exchange(container, nullptr);

    if (container) {
        // Every remaining page keeps its own object: activation and codes reach the right ones.
        QCOMPARE(container->count(), stack ? static_cast<QStackedWidget *>(stack.data())->count() : 0);
        for (int i = 0; i < container->count(); ++i) {
            container->setCurrWidget(i, true, QString());
            QCOMPARE(container->currKwObject() == nullptr,
                     container->currWidget() == presenterPage && deleted == "presenter");
            if (auto *page = dynamic_cast<Page *>(container->currWidget()))
                QCOMPARE(container->currKwObject(), static_cast<KwObject *>(page));
        }
        container->setStockCode("600000");
        for (const QPointer<Page> &page : watch) {
            if (page)
                QCOMPARE(page->calls.contains("code 600000"),
                         static_cast<QStackedWidget *>(stack.data())->indexOf(page) >= 0);
        }
        QCOMPARE(presenter.codes.contains("600000"), deleted != "presenter" && deleted != "stack");
    }
    if (deleted == "taken 1")
        delete pages.pages[1];
    delete container;
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
