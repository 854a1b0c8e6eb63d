// Frozen tables on real models in a shown window: the outside bars' ranges and visibility,
// scrolling by hiding leading sections, widening, model reset, wheel and keys.

#include "dataview/frozentableview.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

#include <QPointer>

#include <algorithm>
#include <functional>
#include <memory>
#include <numeric>

namespace {

constexpr int ColWidth = 100;
constexpr int RowHeight = 20;

// Rows and columns carry ids that every change keeps (new ones get -1), so a test can tell
// which row or column a number stands for afterwards. Column 1 sorts 30 rows in a shuffled order.
class IdModel : public QAbstractTableModel
{
public:
    QVector<int> rows, cols;

    IdModel(int rowCount, int colCount) { fill(rowCount, colCount); }
    void reset(int rowCount, int colCount)
    {
        beginResetModel();
        fill(rowCount, colCount);
        endResetModel();
    }
    int rowCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : rows.size(); }
    int columnCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : cols.size(); }
    QVariant data(const QModelIndex &index, int role) const override
    {
        return role == Qt::DisplayRole ? QVariant(key(rows[index.row()], cols[index.column()])) : QVariant();
    }
    void sort(int column, Qt::SortOrder order) override
    {
        const int col = cols[column];
        relayout(VerticalSortHint, [&] {
            std::stable_sort(rows.begin(), rows.end(), [&](int a, int b) {
                return order == Qt::AscendingOrder ? key(a, col) < key(b, col) : key(a, col) > key(b, col);
            });
        });
    }
    void reverse(Qt::Orientation o)
    {
        QVector<int> &ids = o == Qt::Vertical ? rows : cols;
        relayout(o == Qt::Vertical ? NoLayoutChangeHint : HorizontalSortHint,
                 [&] { std::reverse(ids.begin(), ids.end()); });
    }
    bool insertRows(int at, int n, const QModelIndex &p = {}) override
    {
        beginInsertRows(p, at, at + n - 1);
        rows.insert(at, n, -1);
        endInsertRows();
        return true;
    }
    bool insertColumns(int at, int n, const QModelIndex &p = {}) override
    {
        beginInsertColumns(p, at, at + n - 1);
        cols.insert(at, n, -1);
        endInsertColumns();
        return true;
    }
    bool removeRows(int at, int n, const QModelIndex &p = {}) override
    {
        beginRemoveRows(p, at, at + n - 1);
        rows.remove(at, n);
        endRemoveRows();
        return true;
    }
    bool removeColumns(int at, int n, const QModelIndex &p = {}) override
    {
        beginRemoveColumns(p, at, at + n - 1);
        cols.remove(at, n);
        endRemoveColumns();
        return true;
    }
    bool moveRows(const QModelIndex &p, int at, int n, const QModelIndex &, int to) override
    {
        if (!beginMoveRows(p, at, at + n - 1, p, to))
            return false;
        move(rows, at, n, to);
        endMoveRows();
        return true;
    }
    bool moveColumns(const QModelIndex &p, int at, int n, const QModelIndex &, int to) override
    {
        if (!beginMoveColumns(p, at, at + n - 1, p, to))
            return false;
        move(cols, at, n, to);
        endMoveColumns();
        return true;
    }

private:
    static int key(int row, int col) { return col == 1 ? row * 7 % 30 : row; }
    static void move(QVector<int> &ids, int at, int n, int to)
    {
        if (to > at)
            std::rotate(ids.begin() + at, ids.begin() + at + n, ids.begin() + to);
        else
            std::rotate(ids.begin() + to, ids.begin() + at, ids.begin() + at + n);
    }
    void fill(int rowCount, int colCount)
    {
        rows.resize(rowCount);
        cols.resize(colCount);
        std::iota(rows.begin(), rows.end(), 0);
        std::iota(cols.begin(), cols.end(), 0);
    }
    void relayout(LayoutChangeHint hint, const std::function<void()> &change)
    {
        emit layoutAboutToBeChanged({}, hint);
        const QModelIndexList from = persistentIndexList();
        QVector<QPair<int, int>> ids;
        for (const QModelIndex &index : from)
            ids << qMakePair(rows[index.row()], cols[index.column()]);
        change();
        QModelIndexList to;
        for (const auto &id : qAsConst(ids))
            to << index(rows.indexOf(id.first), cols.indexOf(id.second));
        changePersistentIndexList(from, to);
        emit layoutChanged({}, hint);
    }
};

// A page as the client builds it: the view and its two outside bars in one window. A page
// may also do without a bar, handing the view a null one.
struct Page
{
    // Declared first so the window and view go before it: Qt 5.15 itself crashes when a model
    // that has moved columns dies before a table view holding a selected row.
    IdModel model;
    QWidget window;
    QPointer<QScrollBar> hbar = new QScrollBar(Qt::Horizontal, &window);
    QPointer<QScrollBar> vbar = new QScrollBar(Qt::Vertical, &window);
    FrozenColTableView *view = nullptr;
    int frozenRows = 0;
    int frozenCols = 0;

    Page(bool frozenRowsView, int rows, int cols, int frozenColCount, int frozenRowCount = 0, bool withHBar = true,
         bool withVBar = true)
        : model(rows, cols)
        , frozenRows(frozenRowCount)
        , frozenCols(frozenColCount)
    {
        if (!withHBar)
            delete hbar;
        if (!withVBar)
            delete vbar;
        if (frozenRowsView)
            view = new FrozenTableView(hbar, vbar, &window);
        else
            view = new FrozenColTableView(hbar, &window);
        view->horizontalHeader()->setDefaultSectionSize(ColWidth);
        view->verticalHeader()->setMinimumSectionSize(RowHeight);
        view->verticalHeader()->setDefaultSectionSize(RowHeight);
        view->setFrozenColCount(frozenColCount);
        view->setFrozenRowCount(frozenRowCount);
        if (hbar)
            hbar->move(0, 700);
        if (vbar)
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
        for (int c = 0; view->model() && c < view->model()->columnCount(); ++c)
            if (view->isColumnHidden(c))
                hidden << c;
        return hidden;
    }
    QList<int> hiddenRows() const
    {
        QList<int> hidden;
        for (int r = 0; view->model() && r < view->model()->rowCount(); ++r)
            if (view->isRowHidden(r))
                hidden << r;
        return hidden;
    }
    // The ids of the first scrollable row and column on screen, just past the frozen ones.
    int firstRowId() const { return model.rows.value(view->rowAt(frozenRows * RowHeight + 1), -2); }
    int firstColumnId() const { return model.cols.value(view->columnAt(frozenCols * ColWidth + 1), -2); }
    // Wholly on screen: not hidden and inside the viewport.
    bool shows(const QModelIndex &index) const
    {
        return index.isValid() && !view->isRowHidden(index.row()) && !view->isColumnHidden(index.column()) &&
               view->viewport()->rect().contains(view->visualRect(index));
    }
    void wheel(const QPoint &angle, const QPoint &pixels = QPoint(), Qt::ScrollPhase phase = Qt::NoScrollPhase,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        const QPoint pos(250, 50);
        QWheelEvent event(pos, view->viewport()->mapToGlobal(pos), pixels, angle, Qt::NoButton, modifiers, phase,
                          false);
        QApplication::sendEvent(view->viewport(), &event);
    }
    void clickHeader(int column)
    {
        QHeaderView *header = view->horizontalHeader();
        const QPoint centre(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                            header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
    }
};

QList<int> range(int from, int to)
{
    QList<int> list;
    for (int i = from; i < to; ++i)
        list << i;
    return list;
}

enum Change { SortByClick, Insert, Remove, Move, Reverse, Reset, SetModel };

// Changes the rows (Qt::Vertical) or the columns the way a client does: `count` clicks on the
// header of column `at` sort by it, the rest goes through the model's API or setModel.
void changeModel(Page &page, Qt::Orientation o, int kind, int at, int count, int to, IdModel &other)
{
    const bool rows = o == Qt::Vertical;
    IdModel &m = page.model;
    switch (kind) {
    case SortByClick:
        for (int i = 0; i < count; ++i)
            page.clickHeader(at);
        break;
    case Insert: QVERIFY(rows ? m.insertRows(at, count) : m.insertColumns(at, count)); break;
    case Remove: QVERIFY(rows ? m.removeRows(at, count) : m.removeColumns(at, count)); break;
    case Move: QVERIFY(rows ? m.moveRows({}, at, count, {}, to) : m.moveColumns({}, at, count, {}, to)); break;
    case Reverse: m.reverse(o); break;
    case Reset: rows ? m.reset(at, m.cols.size()) : m.reset(m.rows.size(), at); break;
    case SetModel: page.view->setModel(at ? &other : nullptr); break;
    }
}

// What scrolling must leave: the hidden sections are exactly those from the frozen ones up to
// each bar's value, the frozen ones are on screen, each bar's range fits the model, and the
// table's own bars stay at 0.
void checkScrolled(Page &page)
{
    const bool rowsScroll = qobject_cast<FrozenTableView *>(page.view);
    QAbstractItemModel *m = page.view->model();
    if (page.hbar) {
        QCOMPARE(page.hiddenColumns(), range(page.frozenCols, page.hbar->value()));
        QCOMPARE(page.hbar->maximum() + page.hbar->pageStep(), m ? m->columnCount() : page.frozenCols);
    }
    if (rowsScroll && page.vbar) {
        QCOMPARE(page.hiddenRows(), range(page.frozenRows, page.vbar->value()));
        QCOMPARE(page.vbar->maximum() + page.vbar->pageStep(), m ? m->rowCount() : page.frozenRows);
    }
    if (!rowsScroll)
        QCOMPARE(page.hiddenRows(), QList<int>{});
    for (int c = 0; m && c < page.frozenCols; ++c)
        QCOMPARE(page.view->columnViewportPosition(c), c * ColWidth);
    for (int r = 0; m && r < page.frozenRows; ++r)
        QCOMPARE(page.view->rowViewportPosition(r), r * RowHeight);
    QCOMPARE(page.view->horizontalScrollBar()->value(), 0);
    if (rowsScroll)
        QCOMPARE(page.view->verticalScrollBar()->value(), 0);
}

// Ctrl+End, Page Up and Ctrl+Home each leave the current cell on screen; Ctrl+Home brings the
// table back to its start with nothing hidden.
void checkKeys(Page &page)
{
    QAbstractItemModel *m = page.view->model();
    if (!page.view->currentIndex().isValid()) // a reset leaves no current cell: the user picks one
        page.view->setCurrentIndex(m->index(m->rowCount() / 2, m->columnCount() / 2));
    QTest::keyClick(page.view, Qt::Key_End, Qt::ControlModifier);
    QCOMPARE(page.view->currentIndex(), m->index(m->rowCount() - 1, m->columnCount() - 1));
    QVERIFY(page.shows(page.view->currentIndex()));
    checkScrolled(page);
    QTest::keyClick(page.view, Qt::Key_PageUp);
    QVERIFY(page.shows(page.view->currentIndex()));
    QTest::keyClick(page.view, Qt::Key_Home, Qt::ControlModifier);
    QCOMPARE(page.view->currentIndex(), m->index(0, 0));
    QCOMPARE(page.hiddenRows() + page.hiddenColumns(), QList<int>{});
    checkScrolled(page);
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

    // Model changes while scrolled, then keys
    void modelChanges_data();
    void modelChanges();
    // Wheel and touchpad
    void sidewaysWheel_data();
    void sidewaysWheel();
    // Keys bring the current cell into view
    void keysRevealCurrent_data();
    void keysRevealCurrent();
    // Bars and models that are missing or go first
    void missingBarsAndModel_data();
    void missingBarsAndModel();
    // Bars handed over after the view was made, as a Designer form's owner does
    void barsHandedOver_data();
    void barsHandedOver();
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
    QTest::newRow("to the end and back by one")
            << 2 << QList<int>{} << QList<int>{6, 5} << QList<int>{2, 3, 4} << QList<int>{5} << 4;
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
    QWheelEvent event(pos, page.view->viewport()->mapToGlobal(pos), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
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
        QVERIFY(page.view->rowViewportPosition(row) + RowHeight <= page.view->viewport()->height() ||
                key == Qt::Key_PageDown);
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

// 30 rows of 20 pixels, 10 fit, and 10 columns of 100, 6 fit; row 0 (table only) and columns
// 0-1 frozen: the bars run 1..21 (page 9) and 2..6 (page 4). Scrolled to row 6 and column 4.
void TstFrozenTableView::modelChanges_data()
{
    QTest::addColumn<bool>("frozenRows");
    QTest::addColumn<int>("orientation");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("at");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("to");
    QTest::addColumn<int>("value"); // of the bar in that direction afterwards
    QTest::addColumn<int>("firstId"); // of the first scrollable row or column shown

    const int v = Qt::Vertical;
    // Column 1 puts row 6 at 12 going up, at 17 going down.
    QTest::newRow("rows: sort up by a click") << true << v << int(SortByClick) << 1 << 1 << 0 << 12 << 6;
    QTest::newRow("rows: sort down by two clicks") << true << v << int(SortByClick) << 1 << 2 << 0 << 17 << 6;
    QTest::newRow("rows: insert into the frozen ones") << true << v << int(Insert) << 0 << 1 << 0 << 7 << 6;
    QTest::newRow("rows: insert above") << true << v << int(Insert) << 2 << 3 << 0 << 9 << 6;
    QTest::newRow("rows: remove the first shown") << true << v << int(Remove) << 5 << 3 << 0 << 5 << 8;
    QTest::newRow("rows: remove all but a page") << true << v << int(Remove) << 8 << 22 << 0 << 1 << 1;
    QTest::newRow("rows: move the first shown down") << true << v << int(Move) << 6 << 1 << 15 << 14 << 6;
    QTest::newRow("rows: move rows up across it") << true << v << int(Move) << 20 << 2 << 2 << 8 << 6;
    // Row 6 lands on 23: the end shows as a page from the end does (row 21 only just fits).
    QTest::newRow("rows: layout change near the end") << true << v << int(Reverse) << 0 << 0 << 0 << 22 << 7;
    QTest::newRow("rows: reset") << true << v << int(Reset) << 30 << 0 << 0 << 1 << 1;
    for (bool frozenRows : {false, true}) {
        const char *view = frozenRows ? "table" : "col view";
        const int h = Qt::Horizontal;
        QTest::addRow("%s: insert into the frozen columns", view)
                << frozenRows << h << int(Insert) << 1 << 2 << 0 << 6 << 4;
        QTest::addRow("%s: remove the first shown column", view)
                << frozenRows << h << int(Remove) << 4 << 2 << 0 << 4 << 6;
        QTest::addRow("%s: move it right", view) << frozenRows << h << int(Move) << 4 << 1 << 7 << 6 << 4;
        QTest::addRow("%s: move columns left across it", view) << frozenRows << h << int(Move) << 8 << 2 << 2 << 6 << 4;
        QTest::addRow("%s: column layout change", view) << frozenRows << h << int(Reverse) << 0 << 0 << 0 << 5 << 4;
        QTest::addRow("%s: rows sorted by a click", view)
                << frozenRows << h << int(SortByClick) << 1 << 1 << 0 << 4 << 4;
        // New rows under the same columns: the columns keep their place.
        QTest::addRow("%s: reset", view) << frozenRows << h << int(Reset) << 10 << 0 << 0 << 4 << 4;
        QTest::addRow("%s: reset to columns that fit", view) << frozenRows << h << int(Reset) << 5 << 0 << 0 << 2 << 2;
        QTest::addRow("%s: another model", view) << frozenRows << h << int(SetModel) << 1 << 0 << 0 << 2 << 2;
        QTest::addRow("%s: no model", view) << frozenRows << h << int(SetModel) << 0 << 0 << 0 << 2 << -2;
    }
}

void TstFrozenTableView::modelChanges()
{
    QFETCH(bool, frozenRows);
    QFETCH(int, orientation);
    QFETCH(int, kind);
    QFETCH(int, at);
    QFETCH(int, count);
    QFETCH(int, to);
    Page page(frozenRows, 30, 10, 2, frozenRows ? 1 : 0);
    page.show(600, 200);
    (frozenRows ? page.vbar.data() : page.view->verticalScrollBar())->setValue(6);
    page.hbar->setValue(4);
    page.view->setCurrentIndex(page.model.index(6, 4));
    IdModel other(30, 10);

    changeModel(page, Qt::Orientation(orientation), kind, at, count, to, other);

    QScrollBar *bar = orientation == Qt::Vertical ? page.vbar : page.hbar;
    QTEST(bar->value(), "value");
    QTEST(orientation == Qt::Vertical ? page.firstRowId() : page.firstColumnId(), "firstId");
    checkScrolled(page);
    if (kind == SetModel) { // the first model scrolls from its start again
        page.view->setModel(&page.model);
        page.hbar->setValue(4);
        QCOMPARE(page.firstColumnId(), 4);
        checkScrolled(page);
    } else if (!QTest::currentTestFailed()) {
        checkKeys(page);
    }
}

void TstFrozenTableView::sidewaysWheel_data()
{
    QTest::addColumn<bool>("frozenRows");
    QTest::addColumn<QList<int>>("phases");
    QTest::addColumn<QList<QPoint>>("deltas"); // angle and pixel deltas alike, unless noPixels
    QTest::addColumn<bool>("noPixels");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QPoint>("value"); // of the horizontal bar and of the vertical one (own or outside)

    const int none = Qt::NoScrollPhase, begin = Qt::ScrollBegin, update = Qt::ScrollUpdate, end = Qt::ScrollEnd;
    const QPoint o;
    // Scrolled to column 4 and row 6; columns are 100 pixels wide, rows 20 high.
    for (bool frozenRows : {false, true}) {
        const char *view = frozenRows ? "table" : "col view";
        QTest::addRow("%s: a notch right", view)
                << frozenRows << QList<int>{none} << QList<QPoint>{{-120, 0}} << true << 0 << QPoint(5, 6);
        QTest::addRow("%s: two notches left", view)
                << frozenRows << QList<int>{none} << QList<QPoint>{{240, 0}} << true << 0 << QPoint(2, 6);
        QTest::addRow("%s: alt+wheel down", view) << frozenRows << QList<int>{none} << QList<QPoint>{{0, -120}} << true
                                                  << int(Qt::AltModifier) << QPoint(5, 6);
        QTest::addRow("%s: swipe of 120 pixels", view)
                << frozenRows << QList<int>{begin, update, update, end} << QList<QPoint>{o, {-60, 0}, {-60, 0}, o}
                << false << 0 << QPoint(5, 6);
        QTest::addRow("%s: swipe back 250 pixels", view) << frozenRows << QList<int>{begin, update, end}
                                                         << QList<QPoint>{o, {250, 0}, o} << false << 0 << QPoint(2, 6);
        QTest::addRow("%s: swipe without pixels", view)
                << frozenRows << QList<int>{begin, update, update, update, end}
                << QList<QPoint>{o, {-50, 0}, {-50, 0}, {-50, 0}, o} << true << 0 << QPoint(5, 6);
    }
    QTest::newRow("table: two short swipes")
            << true << QList<int>{begin, update, end, begin, update, end}
            << QList<QPoint>{o, {-60, 0}, o, o, {-60, 0}, o} << false << 0 << QPoint(4, 6);
    QTest::newRow("table: swipe of 3 rows") << true << QList<int>{begin, update, update, end}
                                            << QList<QPoint>{o, {0, -30}, {0, -30}, o} << false << 0 << QPoint(4, 9);
}

void TstFrozenTableView::sidewaysWheel()
{
    QFETCH(bool, frozenRows);
    QFETCH(QList<int>, phases);
    QFETCH(QList<QPoint>, deltas);
    QFETCH(bool, noPixels);
    QFETCH(int, modifiers);
    Page page(frozenRows, 30, 10, 2, frozenRows ? 1 : 0);
    page.show(600, 200);
    QScrollBar *vertical = frozenRows ? page.vbar.data() : page.view->verticalScrollBar();
    vertical->setValue(6);
    page.hbar->setValue(4);

    for (int i = 0; i < phases.size(); ++i)
        page.wheel(deltas.at(i), noPixels ? QPoint() : deltas.at(i), Qt::ScrollPhase(phases.at(i)),
                   Qt::KeyboardModifiers(modifiers));

    QTEST(QPoint(page.hbar->value(), vertical->value()), "value");
    checkScrolled(page);
}

void TstFrozenTableView::keysRevealCurrent_data()
{
    QTest::addColumn<bool>("frozenRows");
    QTest::addColumn<int>("frozen"); // row count in a table, with twice as many columns
    QTest::addColumn<int>("rows");
    QTest::addColumn<QPoint>("start"); // horizontal and vertical bar values
    QTest::addColumn<QPoint>("cell"); // column and row
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QPoint>("newCell");
    QTest::addColumn<QPoint>("value");

    const int ctrl = Qt::ControlModifier;
    // Table: with row 0 and columns 0-1 frozen the bars run 2..6 and 1..21 (page 9); with
    // nothing frozen 0..4 and 0..20. Col view: 40 rows on the own bar (0..30), columns alike.
    QTest::newRow("table: ctrl+end") << true << 1 << 30 << QPoint(2, 1) << QPoint(3, 5) << int(Qt::Key_End) << ctrl
                                     << QPoint(9, 29) << QPoint(6, 21);
    QTest::newRow("table: ctrl+home") << true << 1 << 30 << QPoint(5, 10) << QPoint(6, 12) << int(Qt::Key_Home) << ctrl
                                      << QPoint(0, 0) << QPoint(2, 1);
    QTest::newRow("table: end") << true << 1 << 30 << QPoint(2, 1) << QPoint(3, 5) << int(Qt::Key_End) << 0
                                << QPoint(9, 5) << QPoint(6, 1);
    // The bar goes a page, then Qt's own page move takes the cell a page further.
    QTest::newRow("table: page down") << true << 1 << 30 << QPoint(2, 1) << QPoint(3, 5) << int(Qt::Key_PageDown) << 0
                                      << QPoint(3, 20) << QPoint(2, 12);
    QTest::newRow("table: down from a row scrolled off") << true << 1 << 30 << QPoint(2, 1) << QPoint(3, 25)
                                                         << int(Qt::Key_Down) << 0 << QPoint(3, 26) << QPoint(2, 18);
    QTest::newRow("table, none frozen: ctrl+home") << true << 0 << 30 << QPoint(3, 6) << QPoint(4, 8)
                                                   << int(Qt::Key_Home) << ctrl << QPoint(0, 0) << QPoint(0, 0);
    QTest::newRow("col view: ctrl+end") << false << 0 << 40 << QPoint(2, 0) << QPoint(3, 0) << int(Qt::Key_End) << ctrl
                                        << QPoint(9, 39) << QPoint(6, 30);
    QTest::newRow("col view: ctrl+home") << false << 0 << 40 << QPoint(4, 25) << QPoint(6, 30) << int(Qt::Key_Home)
                                         << ctrl << QPoint(0, 0) << QPoint(2, 0);
    QTest::newRow("col view: home") << false << 0 << 40 << QPoint(4, 5) << QPoint(7, 8) << int(Qt::Key_Home) << 0
                                    << QPoint(0, 8) << QPoint(2, 5);
}

void TstFrozenTableView::keysRevealCurrent()
{
    QFETCH(bool, frozenRows);
    QFETCH(int, frozen);
    QFETCH(int, rows);
    QFETCH(QPoint, start);
    QFETCH(QPoint, cell);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    Page page(frozenRows, rows, 10, frozenRows ? 2 * frozen : 2, frozenRows ? frozen : 0);
    page.show(600, 200);
    QScrollBar *vertical = frozenRows ? page.vbar.data() : page.view->verticalScrollBar();
    page.hbar->setValue(start.x());
    vertical->setValue(start.y());
    page.view->setCurrentIndex(page.model.index(cell.y(), cell.x()));

    QTest::keyClick(page.view, Qt::Key(key), Qt::KeyboardModifiers(modifiers));

    const QModelIndex current = page.view->currentIndex();
    QTEST(QPoint(current.column(), current.row()), "newCell");
    QVERIFY(page.shows(current));
    QTEST(QPoint(page.hbar->value(), vertical->value()), "value");
    checkScrolled(page);
}

void TstFrozenTableView::missingBarsAndModel_data()
{
    QTest::addColumn<bool>("frozenRows");
    QTest::addColumn<QString>("missing");

    QTest::newRow("col view: no bar") << false << "null hbar";
    QTest::newRow("table: no bars") << true << "null hbar vbar";
    QTest::newRow("table: no vertical bar") << true << "null vbar";
    QTest::newRow("col view: bar deleted") << false << "deleted hbar";
    QTest::newRow("table: vertical bar deleted") << true << "deleted vbar";
    QTest::newRow("col view: model deleted") << false << "deleted model";
    QTest::newRow("table: model deleted") << true << "deleted model";
}

// Without a bar (null, or deleted by its page) a direction still scrolls by keys, wheel and
// model changes; a model deleted first leaves the view with nothing hidden and the bars empty.
void TstFrozenTableView::missingBarsAndModel()
{
    QFETCH(bool, frozenRows);
    QFETCH(QString, missing);
    const bool null = missing.startsWith("null");
    Page page(frozenRows, 30, 10, 2, frozenRows ? 1 : 0, !(null && missing.contains("hbar")),
              !(null && missing.contains("vbar")));
    if (missing.contains("model")) {
        // No header and a fixed own bar: the viewport keeps its size, so no resize tidies up.
        page.view->horizontalHeader()->hide();
        if (!frozenRows)
            page.view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    }
    page.show(600, 200);
    page.view->setCurrentIndex(page.model.index(5, 3));
    if (!missing.contains("model")) {
        delete (missing.contains("hbar") ? page.hbar : page.vbar).data();
        page.setViewport(500, 180); // 3 scrollable columns fit, and 8 rows below row 0
        QTest::keyClick(page.view, Qt::Key_End, Qt::ControlModifier);
        QVERIFY(page.shows(page.view->currentIndex()));
        page.wheel(QPoint(120, 0));
        page.model.insertColumns(0, 1);
        page.model.insertRows(0, 2);
        QCOMPARE(page.hiddenColumns(), range(2, 7));
        QCOMPARE(page.hiddenRows(), frozenRows ? range(1, 24) : QList<int>{});
        checkScrolled(page);
        QTest::keyClick(page.view, Qt::Key_Home, Qt::ControlModifier);
        QCOMPARE(page.hiddenRows() + page.hiddenColumns(), QList<int>{});
        return;
    }
    auto *doomed = new IdModel(30, 10);
    page.view->setModel(doomed);
    page.hbar->setValue(4);
    page.vbar->setValue(6);
    delete doomed;
    QCoreApplication::processEvents();
    QCOMPARE(QPoint(page.hbar->maximum(), page.hbar->isVisible()), QPoint(2, false));
    if (frozenRows)
        QCOMPARE(QPoint(page.vbar->maximum(), page.vbar->isVisible()), QPoint(1, false));
    // Nothing of the dead model's scrolling carries over to the next one.
    page.view->setModel(&page.model);
    page.hbar->setValue(5);
    page.vbar->setValue(3);
    checkScrolled(page);
    QCOMPARE(page.hiddenColumns(), range(2, 5));
}

void TstFrozenTableView::barsHandedOver_data()
{
    QTest::addColumn<bool>("frozenRows");
    QTest::addColumn<bool>("scrolledFirst");

    QTest::newRow("col view, at the start") << false << false;
    QTest::newRow("col view, scrolled") << false << true;
    QTest::newRow("table, at the start") << true << false;
    QTest::newRow("table, scrolled") << true << true;
}

// A view made without bars, scrolled or not, gets them later: each bar takes over where the
// view stands, with the range of the shown model, and drives it from then on. A bar replaced by
// another, or by none, drives nothing any more.
void TstFrozenTableView::barsHandedOver()
{
    QFETCH(bool, frozenRows);
    QFETCH(bool, scrolledFirst);
    Page page(frozenRows, 30, 10, 2, frozenRows ? 1 : 0, false, false);
    auto *table = qobject_cast<FrozenTableView *>(page.view);
    page.show(500, 180); // 3 scrollable columns fit, and 8 rows below row 0
    if (scrolledFirst) {
        page.view->setCurrentIndex(page.model.index(5, 3));
        QTest::keyClick(page.view, Qt::Key_End, Qt::ControlModifier);
    }
    const QList<int> hiddenColumns = page.hiddenColumns();
    const QList<int> hiddenRows = page.hiddenRows();

    page.hbar = new QScrollBar(Qt::Horizontal, &page.window);
    page.hbar->move(0, 700);
    page.view->setOutsideHorizontalBar(page.hbar);
    if (table) {
        page.vbar = new QScrollBar(Qt::Vertical, &page.window);
        page.vbar->move(1200, 0);
        table->setOutsideVerticalBar(page.vbar);
    }
    QCOMPARE(page.hiddenColumns(), hiddenColumns);
    QCOMPARE(page.hiddenRows(), hiddenRows);
    checkScrolled(page);
    QVERIFY(page.hbar->isVisible());
    QCOMPARE(page.hbar->value(), 2 + hiddenColumns.size());

    page.hbar->setValue(4);
    QCOMPARE(page.hiddenColumns(), range(2, 4));
    if (table) {
        page.vbar->setValue(10);
        QCOMPARE(page.hiddenRows(), range(1, 10));
    }
    checkScrolled(page);

    QPointer<QScrollBar> old = page.hbar;
    page.hbar = new QScrollBar(Qt::Horizontal, &page.window);
    page.view->setOutsideHorizontalBar(page.hbar);
    QCOMPARE(page.hbar->value(), 4);
    old->setValue(old->minimum());
    QCOMPARE(page.hiddenColumns(), range(2, 4));
    checkScrolled(page);

    page.view->setOutsideHorizontalBar(nullptr);
    page.hbar->setValue(page.hbar->maximum());
    QCOMPARE(page.hiddenColumns(), range(2, 4));
    QTest::keyClick(page.view, Qt::Key_Home, Qt::ControlModifier);
    QCOMPARE(page.hiddenColumns(), QList<int>{});
}

QTEST_MAIN(TstFrozenTableView)
#include "tst_frozentableview.moc"
