// Frozen tables on real models in a shown window: the outside bars' ranges and visibility,
// scrolling by hiding leading sections, widening, model reset, wheel and keys.

#include "dataview/frozentableview.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

constexpr int ColWidth = 100;
constexpr int RowHeight = 20;

class GridModel : public QAbstractTableModel
{
public:
    GridModel(int rows, int cols) : m_rows(rows), m_cols(cols) {}
    void reset(int rows, int cols)
    {
        beginResetModel();
        m_rows = rows;
        m_cols = cols;
        endResetModel();
    }
    int rowCount(const QModelIndex &parent = QModelIndex()) const override { return parent.isValid() ? 0 : m_rows; }
    int columnCount(const QModelIndex &parent = QModelIndex()) const override { return parent.isValid() ? 0 : m_cols; }
    QVariant data(const QModelIndex &index, int role) const override
    {
        return role == Qt::DisplayRole ? QVariant(QStringLiteral("%1,%2").arg(index.row()).arg(index.column())) : QVariant();
    }

private:
    int m_rows;
    int m_cols;
};

// A page as the client builds it: the view and its two outside bars in one window.
struct Page
{
    QWidget window;
    QScrollBar *hbar = new QScrollBar(Qt::Horizontal, &window);
    QScrollBar *vbar = new QScrollBar(Qt::Vertical, &window);
    GridModel model;
    FrozenColTableView *view = nullptr;

    Page(bool frozenRows, int rows, int cols, int frozenCols, int frozenRowCount = 0)
        : model(rows, cols)
    {
        if (frozenRows)
            view = new FrozenTableView(hbar, vbar, &window);
        else
            view = new FrozenColTableView(hbar, &window);
        view->horizontalHeader()->setDefaultSectionSize(ColWidth);
        view->verticalHeader()->setMinimumSectionSize(RowHeight);
        view->verticalHeader()->setDefaultSectionSize(RowHeight);
        view->setFrozenColCount(frozenCols);
        view->setFrozenRowCount(frozenRowCount);
        hbar->move(0, 700);
        vbar->move(1200, 0);
    }
    void show(int viewportWidth, int viewportHeight)
    {
        view->setModel(&model);
        window.resize(1250, 900);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        setViewport(viewportWidth, viewportHeight);
    }
    void setViewport(int width, int height)
    {
        for (int i = 0; i < 3 && view->viewport()->size() != QSize(width, height); ++i)
            view->resize(QSize(width, height) + view->size() - view->viewport()->size());
        QCOMPARE(view->viewport()->size(), QSize(width, height));
    }
    QList<int> hiddenColumns() const
    {
        QList<int> hidden;
        for (int c = 0; c < model.columnCount(); ++c)
            if (view->isColumnHidden(c))
                hidden << c;
        return hidden;
    }
    QList<int> hiddenRows() const
    {
        QList<int> hidden;
        for (int r = 0; r < model.rowCount(); ++r)
            if (view->isRowHidden(r))
                hidden << r;
        return hidden;
    }
};

QList<int> range(int from, int to)
{
    QList<int> list;
    for (int i = from; i < to; ++i)
        list << i;
    return list;
}

} // namespace

class TstFrozenTableView : public QObject
{
    Q_OBJECT
private slots:
    void horizontalBar_data();
    void horizontalBar();
    void scrollColumns_data();
    void scrollColumns();
    void widening_data();
    void widening();
    void modelReset_data();
    void modelReset();
    void wheel_data();
    void wheel();
    void keys_data();
    void keys();
    void ownVerticalKeys_data();
    void ownVerticalKeys();
    void verticalPolicy();
    void jumpToEnd();
};

void TstFrozenTableView::horizontalBar_data()
{
    QTest::addColumn<int>("frozen");
    QTest::addColumn<int>("viewportWidth");
    QTest::addColumn<int>("policy");
    QTest::addColumn<bool>("startVisible");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("pageStep");
    QTest::addColumn<bool>("visible");

    QTest::newRow("2 frozen, 6 fit") << 2 << 600 << int(Qt::ScrollBarAsNeeded) << false << 2 << 6 << 4 << true;
    QTest::newRow("no frozen, 6 fit") << 0 << 600 << int(Qt::ScrollBarAsNeeded) << false << 0 << 4 << 6 << true;
    QTest::newRow("all fit, as needed") << 2 << 1050 << int(Qt::ScrollBarAsNeeded) << true << 2 << 2 << 8 << false;
    QTest::newRow("all fit, always on") << 2 << 1050 << int(Qt::ScrollBarAlwaysOn) << true << 2 << 2 << 8 << true;
    QTest::newRow("needed, always off") << 2 << 600 << int(Qt::ScrollBarAlwaysOff) << false << 2 << 6 << 4 << false;
}

void TstFrozenTableView::horizontalBar()
{
    QFETCH(int, frozen);
    QFETCH(int, viewportWidth);
    QFETCH(int, policy);
    QFETCH(bool, startVisible);
    Page page(false, 5, 10, frozen);
    page.hbar->setVisible(startVisible);
    page.view->setHorizontalScrollBarPolicy(Qt::ScrollBarPolicy(policy));
    page.show(viewportWidth, 300);

    QTEST(page.hbar->minimum(), "minimum");
    QTEST(page.hbar->maximum(), "maximum");
    QTEST(page.hbar->pageStep(), "pageStep");
    QTEST(page.hbar->isVisible(), "visible");
}

void TstFrozenTableView::scrollColumns_data()
{
    QTest::addColumn<int>("frozen");
    QTest::addColumn<QList<int>>("hiddenByPage");
    QTest::addColumn<QList<int>>("values");
    QTest::addColumn<QList<int>>("hidden");
    QTest::addColumn<QList<int>>("shownOrder");
    QTest::addColumn<int>("pageStep");

    QTest::newRow("right by 2") << 2 << QList<int>{} << QList<int>{4} << QList<int>{2, 3} << QList<int>{} << 4;
    QTest::newRow("right and back") << 2 << QList<int>{} << QList<int>{4, 2} << QList<int>{} << QList<int>{3, 2} << 4;
    QTest::newRow("to the end and back by one") << 2 << QList<int>{} << QList<int>{6, 5} << QList<int>{2, 3, 4} << QList<int>{5} << 4;
    QTest::newRow("no frozen") << 0 << QList<int>{} << QList<int>{2} << QList<int>{0, 1} << QList<int>{} << 6;
    // Hiding column 5 lets one more column fit, so the page grows to 5.
    QTest::newRow("page-hidden column stops hiding")
        << 2 << QList<int>{5} << QList<int>{6} << QList<int>{2, 3, 4, 5} << QList<int>{} << 5;
    QTest::newRow("page-hidden column stays hidden on the way back")
        << 2 << QList<int>{5} << QList<int>{6, 2} << QList<int>{5} << QList<int>{4, 3, 2} << 5;
}

void TstFrozenTableView::scrollColumns()
{
    QFETCH(int, frozen);
    QFETCH(QList<int>, hiddenByPage);
    QFETCH(QList<int>, values);
    Page page(false, 5, 10, frozen);
    page.show(600, 300);
    for (int c : hiddenByPage)
        page.view->hideColumn(c);

    QList<int> shown;
    connect(page.view->horizontalHeader(), &QHeaderView::sectionResized, this, [&shown](int c, int oldSize, int) {
        if (oldSize == 0)
            shown << c;
    });
    for (int v : values)
        page.hbar->setValue(v);

    QTEST(page.hiddenColumns(), "hidden");
    QTEST(shown, "shownOrder");
    QTEST(page.hbar->pageStep(), "pageStep");
    for (int c = 0; c < 10; ++c) // hiding must not lose the width a column gets back
        QCOMPARE(page.view->isColumnHidden(c) ? ColWidth : page.view->columnWidth(c), ColWidth);
}

void TstFrozenTableView::widening_data()
{
    QTest::addColumn<int>("resizedColumn");
    QTest::addColumn<int>("resizedWidth");
    QTest::addColumn<QList<int>>("hidden");
    QTest::addColumn<int>("value");

    // 250 pixels open up: two columns of 100 come back nearest first, the third does not fit.
    QTest::newRow("equal widths") << -1 << 0 << QList<int>{2, 3} << 4;
    // The user widened column 5 before scrolling: it alone fills the room.
    QTest::newRow("user-resized column") << 5 << 200 << QList<int>{2, 3, 4} << 5;
}

void TstFrozenTableView::widening()
{
    QFETCH(int, resizedColumn);
    QFETCH(int, resizedWidth);
    Page page(false, 5, 10, 2);
    page.show(600, 300);
    if (resizedColumn >= 0)
        page.view->horizontalHeader()->resizeSection(resizedColumn, resizedWidth);
    page.hbar->setValue(6);
    QCOMPARE(page.hiddenColumns(), range(2, 6));

    page.setViewport(850, 300);
    QTEST(page.hiddenColumns(), "hidden");
    QTEST(page.hbar->value(), "value");
    QCOMPARE(page.hbar->maximum(), page.hbar->value());
}

void TstFrozenTableView::modelReset_data()
{
    QTest::addColumn<int>("newRows");
    QTest::newRow("same rows") << 30;
    QTest::newRow("fewer rows") << 4;
    QTest::newRow("more rows") << 60;
}

void TstFrozenTableView::modelReset()
{
    QFETCH(int, newRows);
    Page page(true, 30, 4, 0, 1);
    page.show(400, 200);
    page.vbar->setValue(6);
    QCOMPARE(page.hiddenRows(), range(1, 6));

    page.model.reset(newRows, 4);
    QCOMPARE(page.vbar->value(), 1);
    QCOMPARE(page.hiddenRows(), QList<int>{});
    QCOMPARE(page.vbar->maximum(), qMax(1, newRows - 9));

    // The hidden-row stack must be empty again, or the next scroll hides the wrong rows.
    page.vbar->setValue(3);
    QCOMPARE(page.vbar->value(), newRows > 10 ? 3 : 1);
    QCOMPARE(page.hiddenRows(), range(1, page.vbar->value()));
}

void TstFrozenTableView::wheel_data()
{
    QTest::addColumn<int>("delta");
    QTest::addColumn<int>("value");
    QTest::newRow("one notch up") << 120 << 4;
    QTest::newRow("two notches down") << -240 << 7;
    QTest::newRow("half a notch") << 60 << 5;
}

void TstFrozenTableView::wheel()
{
    QFETCH(int, delta);
    QFETCH(int, value);
    Page page(true, 30, 4, 0, 1);
    page.show(400, 200);
    page.vbar->setValue(5);

    const QPoint pos(50, 50);
    QWheelEvent event(pos, page.view->viewport()->mapToGlobal(pos), QPoint(), QPoint(0, delta),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(page.view->viewport(), &event);

    QCOMPARE(page.vbar->value(), value);
    QCOMPARE(page.hiddenRows(), range(1, value));
    QCOMPARE(page.view->verticalScrollBar()->value(), 0);
}

void TstFrozenTableView::keys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("startValue");
    QTest::addColumn<int>("startRow");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("horizontal");

    // 30 rows of 20 pixels, row 0 frozen, 10 rows fit: the vertical bar runs 1..21, page 9.
    QTest::newRow("down inside the page") << int(Qt::Key_Down) << 1 << 3 << 1 << 4 << 2;
    QTest::newRow("down past the bottom") << int(Qt::Key_Down) << 1 << 9 << 2 << 10 << 2;
    QTest::newRow("up inside the page") << int(Qt::Key_Up) << 4 << 6 << 4 << 5 << 2;
    QTest::newRow("up past the top") << int(Qt::Key_Up) << 4 << 4 << 3 << 3 << 2;
    QTest::newRow("page up at the top") << int(Qt::Key_PageUp) << 1 << 5 << 1 << 0 << 2;
    QTest::newRow("page down at the end") << int(Qt::Key_PageDown) << 21 << 25 << 21 << 29 << 2;
    QTest::newRow("right") << int(Qt::Key_Right) << 1 << 3 << 1 << 3 << 3;
    QTest::newRow("left at the minimum") << int(Qt::Key_Left) << 1 << 3 << 1 << 3 << 2;
}

void TstFrozenTableView::keys()
{
    QFETCH(int, key);
    QFETCH(int, startValue);
    QFETCH(int, startRow);
    Page page(true, 30, 10, 2, 1);
    page.show(600, 200);
    QCOMPARE(page.vbar->maximum(), 21);
    QCOMPARE(page.vbar->pageStep(), 9);
    page.vbar->setValue(startValue);
    page.view->setCurrentIndex(page.model.index(startRow, 2));
    QSignalSpy current(page.view, &FrozenBaseTableView::currentItemChanged);

    QTest::keyClick(page.view, Qt::Key(key));

    QTEST(page.vbar->value(), "value");
    QTEST(page.view->currentIndex().row(), "row");
    QTEST(page.hbar->value(), "horizontal");
    QCOMPARE(page.hiddenRows(), range(1, page.vbar->value()));
    const int row = page.view->currentIndex().row();
    if (row != startRow)
        QCOMPARE(current.last().at(0).toModelIndex().row(), row);
    if (row > 0) // the current row is on screen, not hidden and not below the viewport
        QVERIFY(page.view->rowViewportPosition(row) + RowHeight <= page.view->viewport()->height() || key == Qt::Key_PageDown);
}

void TstFrozenTableView::ownVerticalKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("startValue");
    QTest::addColumn<int>("startRow");
    QTest::addColumn<int>("value");

    // 40 rows of 20 pixels, 10 fit: the table's own bar scrolls by rows, page 10.
    QTest::newRow("down inside the page") << int(Qt::Key_Down) << 0 << 3 << 0;
    QTest::newRow("down past the bottom") << int(Qt::Key_Down) << 0 << 9 << 1;
    QTest::newRow("up past the top") << int(Qt::Key_Up) << 5 << 5 << 4;
    QTest::newRow("page down") << int(Qt::Key_PageDown) << 0 << 0 << 10;
    QTest::newRow("page up") << int(Qt::Key_PageUp) << 15 << 15 << 5;
}

void TstFrozenTableView::ownVerticalKeys()
{
    QFETCH(int, key);
    QFETCH(int, startValue);
    QFETCH(int, startRow);
    Page page(false, 40, 3, 1);
    page.view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    page.show(300, 200);
    QScrollBar *own = page.view->verticalScrollBar();
    QCOMPARE(own->pageStep(), 10);
    own->setValue(startValue);
    page.view->setCurrentIndex(page.model.index(startRow, 0));

    QTest::keyClick(page.view, Qt::Key(key));

    QTEST(own->value(), "value");
    QCOMPARE(page.hiddenRows(), QList<int>{});
}

// The table's own vertical bar is off for good; the policy reaches the outside bar instead.
void TstFrozenTableView::verticalPolicy()
{
    Page page(true, 30, 4, 0, 1);
    page.vbar->hide();
    page.view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    page.show(400, 200);
    QVERIFY(!page.vbar->isVisible());
    QCOMPARE(page.view->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);

    page.view->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    page.setViewport(400, 180);
    QVERIFY(page.vbar->isVisible());
    QVERIFY(!page.view->verticalScrollBar()->isVisible());
}

// Jumping to the end of a long table must hide exactly the rows before the last page.
void TstFrozenTableView::jumpToEnd()
{
    constexpr int Rows = 100000;
    Page page(true, Rows, 3, 0, 2);
    page.show(300, 200);
    QElapsedTimer timer;
    timer.start();
    page.vbar->setValue(page.vbar->maximum());
    // About 15 ms here; hiding row by row with the header recomputing positions takes seconds.
    QVERIFY2(timer.elapsed() < 1000, "hiding rows one by one must not cost time quadratic in the rows");
    QCOMPARE(page.vbar->maximum(), Rows - 8);
    QCOMPARE(page.hiddenRows(), range(2, Rows - 8));
    QCOMPARE(page.view->lastRow(), -1);
    page.vbar->setValue(page.vbar->minimum());
    QCOMPARE(page.hiddenRows(), QList<int>{});
}

QTEST_MAIN(TstFrozenTableView)
#include "tst_frozentableview.moc"
