#include "dataview/frozentableview.h"

#include <QHeaderView>
#include <QScopedValueRollback>
#include <QScrollBar>

FrozenTableView::FrozenTableView(QWidget *parent)
    : FrozenTableView(nullptr, nullptr, parent)
{
}

FrozenTableView::FrozenTableView(QScrollBar *horizontalBar, QScrollBar *verticalBar, QWidget *parent)
    : FrozenColTableView(horizontalBar, parent)
    , m_vertBar(verticalBar)
{
    horizontalHeader()->setSectionsClickable(true);
    QTableView::setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_vertBarPolicy = Qt::ScrollBarAsNeeded;
    if (m_vertBar)
        connect(m_vertBar, &QScrollBar::valueChanged, this, &FrozenTableView::slotVertBarValueChanged);
    // Qt moving the hidden bar would slide the frozen rows out of view.
    pinOwnBar(Qt::Vertical, [this](int rows) { setVertValue(vertValue() + rows); });
}

void FrozenTableView::setModel(QAbstractItemModel *model)
{
    const bool other = model != m_model;
    if (other) {
        // As for the columns: the stack names the old model's rows, and the watch on the
        // announcements must be in place before the headers get the model.
        {
            QScopedValueRollback<bool> quiet(m_scrollingRows, true);
            restoreSections(verticalHeader(), m_hiddenRows, verticalHeader()->count());
        }
        for (const QMetaObject::Connection &c : qAsConst(m_rowConnections))
            disconnect(c);
        m_rowConnections.clear();
        m_rowChange = SectionChange();
        if (model)
            m_rowConnections =
                    watchSectionChangesBefore(model, Qt::Vertical, m_rowChange, m_hiddenRows, m_frozenRowCount);
    }
    FrozenColTableView::setModel(model);
    m_rowCount = model ? model->rowCount() : 0;
    if (!other)
        return;
    if (model) {
        m_rowConnections += watchSectionChangesAfter(model, Qt::Vertical, [this] { rowsChanged(); });
        m_rowConnections << connect(model, &QObject::destroyed, this, [this] {
            m_hiddenRows.clear();
            m_rowChange = SectionChange();
            m_rowCount = 0;
            scrollRowsTo(m_frozenRowCount);
        });
    }
    scrollRowsTo(m_frozenRowCount);
}

void FrozenTableView::setOutsideVerticalBar(QScrollBar *bar)
{
    if (bar == m_vertBar)
        return;
    if (m_vertBar)
        disconnect(m_vertBar, &QScrollBar::valueChanged, this, &FrozenTableView::slotVertBarValueChanged);
    m_vertBar = bar;
    if (m_vertBar)
        connect(m_vertBar, &QScrollBar::valueChanged, this, &FrozenTableView::slotVertBarValueChanged);
    scrollRowsTo(firstScrollableRowShown());
}

void FrozenTableView::setFrozenRowCount(const int &count)
{
    m_frozenRowCount = count;
}

void FrozenTableView::setVerticalScrollBarPolicy(Qt::ScrollBarPolicy policy)
{
    FrozenBaseTableView::setVerticalScrollBarPolicy(policy);
}

void FrozenTableView::resizeEvent(QResizeEvent *e)
{
    FrozenColTableView::resizeEvent(e);
    updateVertScrollBar();
}

int FrozenTableView::firstScrollableRowShown() const
{
    return m_frozenRowCount + m_hiddenRows.size();
}

int FrozenTableView::vertValue() const
{
    return m_vertBar ? m_vertBar->value() : firstScrollableRowShown();
}

void FrozenTableView::setVertValue(int value)
{
    value = qBound(m_frozenRowCount, value, qMax(m_frozenRowCount, m_vertMax));
    if (m_vertBar)
        m_vertBar->setValue(value);
    else
        slotVertBarValueChanged(value);
}

void FrozenTableView::keyPressEvent(QKeyEvent *e)
{
    const QModelIndex before = currentIndex();
    const int row = before.row();
    switch (e->key()) {
    case Qt::Key_Up:
        if (row == firstScrollableRowShown())
            setVertValue(row - 1);
        break;
    case Qt::Key_Down:
        if (rowViewportPosition(row + 1) + rowHeight(row + 1) > viewport()->height())
            setVertValue(firstScrollableRowShown() + 1);
        break;
    case Qt::Key_PageUp: pageTo(vertValue() - m_vertPage); break;
    case Qt::Key_PageDown: pageTo(vertValue() + m_vertPage); break;
    case Qt::Key_Home:
    case Qt::Key_End:
        // Ctrl+Home and Ctrl+End go to the first or last row, which Qt's cursor moves would
        // pass over while scrolling keeps it hidden; the columns are scrolled by the base.
        if (e->modifiers() & Qt::ControlModifier)
            setVertValue(e->key() == Qt::Key_Home ? m_frozenRowCount : m_vertMax);
        FrozenColTableView::keyPressEvent(e);
        return;
    default: FrozenColTableView::keyPressEvent(e); return;
    }
    QTableView::keyPressEvent(e);
    if (currentIndex() != before)
        scrollTo(currentIndex());
}

// The target row is clamped to the model's rows, so a page from near either end still
// lands on a cell instead of clearing the current one.
void FrozenTableView::pageTo(int value)
{
    setVertValue(value);
    if (!m_model || m_rowCount == 0)
        return;
    const QModelIndex current = currentIndex();
    const int row = qBound(0, value, m_rowCount - 1);
    setCurrentIndex(m_model->index(row, current.isValid() ? current.column() : 0, rootIndex()));
}

void FrozenTableView::wheelEvent(QWheelEvent *e)
{
    e->accept();
    if (scrollColumnsByWheel(e))
        return;
    const int first = firstScrollableRowShown();
    const int length = first < m_rowCount ? rowHeight(first) : verticalHeader()->defaultSectionSize();
    if (const int steps = wheelSteps(m_vertWheel, e->phase(), e->angleDelta().y(), e->pixelDelta().y(), length))
        setVertValue(vertValue() - steps);
}

void FrozenTableView::scrollTo(const QModelIndex &index, ScrollHint hint)
{
    if (!index.isValid() || index.model() != model())
        return;
    scrollToColumn(index.column(), hint);
    scrollToRow(index.row(), hint);
}

void FrozenTableView::scrollToRow(int row, ScrollHint hint)
{
    const int first = firstScrollableRowShown();
    if (row < m_frozenRowCount || row >= m_rowCount || (row >= first && isRowHidden(row)))
        return;
    int frozenHeight = 0;
    for (int r = 0; r < m_frozenRowCount && r < m_rowCount; ++r)
        frozenHeight += rowHeight(r);
    // A hidden row reports no height; the default stands for the height it gets back.
    const int fallback = verticalHeader()->defaultSectionSize();
    const int target =
            firstSectionShowing(row, first, m_frozenRowCount, viewport()->height() - frozenHeight, hint,
                                [this, first, fallback](int r) { return r < first ? fallback : rowHeight(r); });
    if (target != first)
        setVertValue(target);
}

// A reset brings new rows: the table goes back to its first scrollable row.
void FrozenTableView::slotModelReset()
{
    FrozenColTableView::slotModelReset();
    m_rowCount = m_model ? m_model->rowCount() : 0;
    m_rowChange = SectionChange();
    {
        QScopedValueRollback<bool> quiet(m_scrollingRows, true);
        restoreSections(verticalHeader(), m_hiddenRows, m_rowCount);
    }
    scrollRowsTo(m_frozenRowCount);
}

void FrozenTableView::rowsChanged()
{
    const int first = takeChangedFirst(m_rowChange, Qt::Vertical, firstScrollableRowShown());
    m_rowCount = m_model ? m_model->rowCount() : 0;
    scrollRowsTo(first);
}

// Makes `first` the first scrollable row shown after the rows changed under the stack and the
// bar. The bar's own signal is kept from acting while its range is stale.
void FrozenTableView::scrollRowsTo(int first)
{
    {
        QScopedValueRollback<bool> quiet(m_scrollingRows, true);
        first = qBound(m_frozenRowCount, first, qMax(m_frozenRowCount, m_rowCount));
        scrollSections(verticalHeader(), m_hiddenRows, m_frozenRowCount, first);
        updateVertScrollBar();
        if (m_vertBar)
            m_vertBar->setValue(first);
    }
    slotVertBarValueChanged(vertValue());
}

void FrozenTableView::slotVertBarValueChanged(const int &value)
{
    if (m_scrollingRows || m_rowChange.pending())
        return;
    scrollSections(verticalHeader(), m_hiddenRows, m_frozenRowCount, value);
}

void FrozenTableView::updateVertScrollBar()
{
    int page = 0;
    // A dead model's sections may linger in the header until it resets: count none.
    if (m_rowCount > 0) {
        const int first = qMax(0, rowAt(0));
        int last = rowAt(viewport()->height());
        if (last == -1) {
            last = m_rowCount;
            showHiddenRowsThatFit();
        }
        const int start = m_frozenRowCount > 0 ? firstScrollableRowShown() : first;
        page = last - start;
    }
    m_vertMax = qMax(m_frozenRowCount, m_rowCount - page);
    m_vertPage = page;
    if (!m_vertBar)
        return;
    m_vertBar->setRange(m_frozenRowCount, m_rowCount - page);
    m_vertBar->setPageStep(page);
    applyBarPolicy(m_vertBar, m_vertBarPolicy, m_frozenRowCount + page >= m_rowCount);
}

// The last row's height stands for the height of the row brought back.
void FrozenTableView::showHiddenRowsThatFit()
{
    if (m_rowCount == 0)
        return;
    const int bottom = m_rowCount - 1;
    while (!m_hiddenRows.isEmpty()) {
        const int height = rowHeight(bottom);
        if (height >= viewport()->height() - (rowViewportPosition(bottom) + height))
            break;
        showRow(m_hiddenRows.takeLast());
    }
}
