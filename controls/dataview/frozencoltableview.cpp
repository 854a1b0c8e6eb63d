#include "dataview/frozencoltableview.h"

#include <QHeaderView>
#include <QScopedValueRollback>
#include <QScrollBar>

FrozenColTableView::FrozenColTableView(QWidget *parent)
    : FrozenColTableView(nullptr, parent)
{
}

FrozenColTableView::FrozenColTableView(QScrollBar *horizontalBar, QWidget *parent)
    : FrozenBaseTableView(parent)
    , m_horizBar(horizontalBar)
{
    m_horizBarPolicy = Qt::ScrollBarAsNeeded;
    if (m_horizBar)
        connect(m_horizBar, &QScrollBar::valueChanged, this, &FrozenColTableView::slotHorizBarValueChanged);
    // The stored widths must follow the user's resizing, or widening the view would bring
    // hidden columns back by widths they no longer have.
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, &FrozenColTableView::columnResized);
    // Qt moving the hidden bar would slide the frozen columns out of view.
    pinOwnBar(Qt::Horizontal, [this](int columns) { setHorizValue(horizValue() + columns); });
}

void FrozenColTableView::setModel(QAbstractItemModel *model)
{
    const bool other = model != m_model;
    initModel(model);
    if (other && model)
        m_colConnections << connect(model, &QAbstractItemModel::modelReset, this, &FrozenColTableView::slotModelReset);
}

void FrozenColTableView::setFrozenColCount(const int &count)
{
    m_frozenColCount = count;
}

void FrozenColTableView::setVerticalScrollBarPolicy(Qt::ScrollBarPolicy policy)
{
    QTableView::setVerticalScrollBarPolicy(policy);
}

void FrozenColTableView::setOutsideHorizontalBar(QScrollBar *bar)
{
    if (bar == m_horizBar)
        return;
    if (m_horizBar)
        disconnect(m_horizBar, &QScrollBar::valueChanged, this, &FrozenColTableView::slotHorizBarValueChanged);
    m_horizBar = bar;
    if (m_horizBar)
        connect(m_horizBar, &QScrollBar::valueChanged, this, &FrozenColTableView::slotHorizBarValueChanged);
    // The new bar gets its range and the columns' present place, not the other way round.
    scrollColumnsTo(m_frozenColCount + m_hiddenCols.size());
}

void FrozenColTableView::setHorizontalScrollBarPolicy(Qt::ScrollBarPolicy policy)
{
    m_horizBarPolicy = policy;
}

int FrozenColTableView::lastRow() const
{
    return rowAt(viewport()->height());
}

void FrozenColTableView::initModel(QAbstractItemModel *model)
{
    const bool other = model != m_model;
    if (other) {
        // The stack names the old model's columns; the header would keep them hidden for a
        // new model of the same width.
        {
            QScopedValueRollback<bool> quiet(m_scrollingColumns, true);
            restoreSections(horizontalHeader(), m_hiddenCols, horizontalHeader()->count());
        }
        for (const QMetaObject::Connection &c : qAsConst(m_colConnections))
            disconnect(c);
        m_colConnections.clear();
        m_colChange = SectionChange();
        if (model)
            m_colConnections =
                    watchSectionChangesBefore(model, Qt::Horizontal, m_colChange, m_hiddenCols, m_frozenColCount);
    }
    QTableView::setModel(model);
    m_model = model;
    m_colWidths.clear();
    readColumnWidths();
    if (!other)
        return;
    if (model) {
        m_colConnections += watchSectionChangesAfter(model, Qt::Horizontal, [this] { columnsChanged(); });
        m_colConnections << connect(model, &QObject::destroyed, this, [this] {
            // The header drops a dead model's sections by itself.
            m_hiddenCols.clear();
            m_colChange = SectionChange();
            m_colCount = 0;
            m_colWidths.clear();
            scrollColumnsTo(m_frozenColCount);
        });
    }
    scrollColumnsTo(m_frozenColCount);
}

void FrozenColTableView::readColumnWidths()
{
    m_colCount = m_model ? m_model->columnCount() : 0;
    m_colWidths.resize(m_colCount);
    for (int c = 0; c < m_colCount; ++c) {
        if (const int width = columnWidth(c))
            m_colWidths[c] = width;
    }
}

int FrozenColTableView::horizValue() const
{
    return m_horizBar ? m_horizBar->value() : m_frozenColCount + m_hiddenCols.size();
}

void FrozenColTableView::setHorizValue(int value)
{
    value = qBound(m_frozenColCount, value, qMax(m_frozenColCount, m_horizMax));
    if (m_horizBar)
        m_horizBar->setValue(value);
    else
        slotHorizBarValueChanged(value);
}

void FrozenColTableView::resizeEvent(QResizeEvent *e)
{
    QTableView::resizeEvent(e);
    updateHorizScrollBar();
}

void FrozenColTableView::keyPressEvent(QKeyEvent *e)
{
    const QModelIndex before = currentIndex();
    // Qt's cursor moves pass over hidden columns, so Home and End would stop at the first or
    // last column shown: scroll to that end first.
    if (e->key() == Qt::Key_Home)
        setHorizValue(m_frozenColCount);
    else if (e->key() == Qt::Key_End)
        setHorizValue(m_horizMax);
    QTableView::keyPressEvent(e);
    QScrollBar *own = verticalScrollBar();
    const int row = currentIndex().row();
    switch (e->key()) {
    case Qt::Key_Left:
        if (horizValue() > m_frozenColCount)
            setHorizValue(horizValue() - 1);
        break;
    case Qt::Key_Right:
        if (horizValue() < m_horizMax)
            setHorizValue(horizValue() + 1);
        break;
    case Qt::Key_Up:
        if (row < own->value())
            own->setValue(own->value() - 1);
        break;
    case Qt::Key_Down:
        if (row >= own->value() + own->pageStep())
            own->setValue(own->value() + 1);
        break;
    case Qt::Key_PageUp: own->setValue(own->value() - own->pageStep()); break;
    case Qt::Key_PageDown: own->setValue(own->value() + own->pageStep()); break;
    default: break;
    }
    // The base's currentChanged does not scroll, so a key that moved the cell must.
    if (currentIndex() != before)
        scrollTo(currentIndex());
}

void FrozenColTableView::wheelEvent(QWheelEvent *e)
{
    if (!scrollColumnsByWheel(e))
        QTableView::wheelEvent(e);
}

bool FrozenColTableView::scrollColumnsByWheel(QWheelEvent *e)
{
    QPoint angle = e->angleDelta();
    QPoint pixels = e->pixelDelta();
    // X11 turns Alt+wheel sideways only for events from the device itself.
    if ((e->modifiers() & Qt::AltModifier) && angle.x() == 0 && pixels.x() == 0) {
        angle = angle.transposed();
        pixels = pixels.transposed();
    }
    const QPoint delta = pixels.isNull() ? angle : pixels;
    if (qAbs(delta.x()) <= qAbs(delta.y())) {
        if (e->phase() == Qt::ScrollBegin || e->phase() == Qt::ScrollEnd)
            m_horizWheel = WheelTravel();
        return false;
    }
    const int first = m_frozenColCount + m_hiddenCols.size();
    const int length = first < m_colCount ? columnWidth(first) : horizontalHeader()->defaultSectionSize();
    if (const int steps = wheelSteps(m_horizWheel, e->phase(), angle.x(), pixels.x(), length))
        setHorizValue(horizValue() - steps);
    e->accept();
    return true;
}

void FrozenColTableView::scrollTo(const QModelIndex &index, ScrollHint hint)
{
    if (!index.isValid() || index.model() != model())
        return;
    scrollToColumn(index.column(), hint);
    if (isRowHidden(index.row()) || isColumnHidden(index.column()))
        return;
    // Rows scroll on the table's own bar; what Qt does to the hidden horizontal one is undone.
    QScopedValueRollback<bool> quiet(m_ownBarMovesIgnored, true);
    QTableView::scrollTo(index, hint);
}

void FrozenColTableView::scrollToColumn(int column, ScrollHint hint)
{
    const int first = m_frozenColCount + m_hiddenCols.size();
    if (column < m_frozenColCount || column >= m_colCount || (column >= first && isColumnHidden(column)))
        return;
    int frozenWidth = 0;
    for (int c = 0; c < m_frozenColCount && c < m_colCount; ++c)
        frozenWidth += columnWidth(c);
    const int target =
            firstSectionShowing(column, first, m_frozenColCount, viewport()->width() - frozenWidth, hint,
                                [this, first](int c) { return c < first ? m_colWidths.value(c) : columnWidth(c); });
    if (target != first)
        setHorizValue(target);
}

void FrozenColTableView::columnResized(int column, int oldWidth, int newWidth)
{
    QTableView::columnResized(column, oldWidth, newWidth);
    if (newWidth != 0 && column >= 0 && column < m_colWidths.size())
        m_colWidths[column] = newWidth;
    // Scrolling updates the bar once when it is done, not once per column it hides; a model
    // change does so once the model is done.
    if (!m_scrollingColumns && !m_colChange.pending())
        updateHorizScrollBar();
}

// A reset usually brings new rows under the same columns, so the columns keep their place.
void FrozenColTableView::slotModelReset()
{
    readColumnWidths();
    if (m_colChange.pending())
        scrollColumnsTo(takeChangedFirst(m_colChange, Qt::Horizontal, m_frozenColCount));
}

void FrozenColTableView::columnsChanged()
{
    const int first = takeChangedFirst(m_colChange, Qt::Horizontal, m_frozenColCount + m_hiddenCols.size());
    readColumnWidths();
    scrollColumnsTo(first);
}

// Makes `first` the first scrollable column shown after the columns changed under the stack
// and the bar. The bar's own signal is kept from acting while its range is stale.
void FrozenColTableView::scrollColumnsTo(int first)
{
    {
        QScopedValueRollback<bool> quiet(m_scrollingColumns, true);
        first = qBound(m_frozenColCount, first, qMax(m_frozenColCount, m_colCount));
        scrollSections(horizontalHeader(), m_hiddenCols, m_frozenColCount, first);
        updateHorizScrollBar();
        if (m_horizBar)
            m_horizBar->setValue(first);
    }
    slotHorizBarValueChanged(horizValue());
}

void FrozenColTableView::slotHorizBarValueChanged(const int &value)
{
    if (m_scrollingColumns || m_colChange.pending())
        return;
    bool changed;
    {
        QScopedValueRollback<bool> quiet(m_scrollingColumns, true);
        changed = scrollSections(horizontalHeader(), m_hiddenCols, m_frozenColCount, value);
    }
    if (changed)
        updateHorizScrollBar();
}

void FrozenColTableView::updateHorizScrollBar()
{
    int page = 0;
    // A dead model's sections may linger in the header until it resets: count none.
    if (m_colCount > 0) {
        const int first = qMax(0, columnAt(0));
        int last = columnAt(viewport()->width());
        if (last == -1) {
            last = m_colCount;
            showHiddenColumnsThatFit();
        }
        const int start = m_frozenColCount > 0 ? m_frozenColCount + m_hiddenCols.size() : first;
        page = last - start;
    }
    m_horizMax = qMax(m_frozenColCount, m_colCount - page);
    if (!m_horizBar)
        return;
    m_horizBar->setRange(m_frozenColCount, m_colCount - page);
    m_horizBar->setPageStep(page);
    applyBarPolicy(m_horizBar, m_horizBarPolicy, m_frozenColCount + page >= m_colCount);
}

// Room opened at the right end is filled from the hidden run's right end, one whole column
// at a time; the stored width stands for the width the column will have when shown.
void FrozenColTableView::showHiddenColumnsThatFit()
{
    if (m_colCount == 0)
        return;
    QScopedValueRollback<bool> quiet(m_scrollingColumns, true);
    const int lastColumn = m_colCount - 1;
    while (!m_hiddenCols.isEmpty()) {
        const int free = viewport()->width() - (columnViewportPosition(lastColumn) + m_colWidths.value(lastColumn));
        if (m_colWidths.value(m_hiddenCols.last()) >= free)
            break;
        showColumn(m_hiddenCols.takeLast());
    }
}
