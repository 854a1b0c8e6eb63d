#include "dataview/frozencoltableview.h"

#include <QHeaderView>
#include <QScopedValueRollback>
#include <QScrollBar>

FrozenColTableView::FrozenColTableView(QScrollBar *horizontalBar, QWidget *parent)
    : FrozenBaseTableView(parent), m_horizBar(horizontalBar)
{
    m_horizBarPolicy = Qt::ScrollBarAsNeeded;
    connect(m_horizBar, &QScrollBar::valueChanged, this, &FrozenColTableView::slotHorizBarValueChanged);
    // The stored widths must follow the user's resizing, or widening the view would bring
    // hidden columns back by widths they no longer have.
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, &FrozenColTableView::columnResized);
}

void FrozenColTableView::setModel(QAbstractItemModel *model)
{
    if (m_model && m_model != model)
        disconnect(m_model, &QAbstractItemModel::modelReset, this, nullptr);
    initModel(model);
    if (model)
        connect(model, &QAbstractItemModel::modelReset, this, &FrozenColTableView::slotModelReset,
                Qt::UniqueConnection);
}

void FrozenColTableView::setFrozenColCount(const int &count)
{
    m_frozenColCount = count;
}

void FrozenColTableView::setVerticalScrollBarPolicy(Qt::ScrollBarPolicy policy)
{
    QTableView::setVerticalScrollBarPolicy(policy);
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
    QTableView::setModel(model);
    m_model = model;
    m_colWidths.clear();
    readColumnWidths();
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

void FrozenColTableView::resizeEvent(QResizeEvent *e)
{
    QTableView::resizeEvent(e);
    updateHorizScrollBar();
}

void FrozenColTableView::keyPressEvent(QKeyEvent *e)
{
    QTableView::keyPressEvent(e);
    QScrollBar *own = verticalScrollBar();
    const int row = currentIndex().row();
    switch (e->key()) {
    case Qt::Key_Left:
        if (m_horizBar->value() - 1 >= m_horizBar->minimum())
            m_horizBar->setValue(m_horizBar->value() - 1);
        break;
    case Qt::Key_Right:
        if (m_horizBar->value() + 1 <= m_horizBar->maximum())
            m_horizBar->setValue(m_horizBar->value() + 1);
        break;
    case Qt::Key_Up:
        if (row < own->value())
            own->setValue(own->value() - 1);
        break;
    case Qt::Key_Down:
        if (row >= own->value() + own->pageStep())
            own->setValue(own->value() + 1);
        break;
    case Qt::Key_PageUp:
        own->setValue(own->value() - own->pageStep());
        break;
    case Qt::Key_PageDown:
        own->setValue(own->value() + own->pageStep());
        break;
    default:
        break;
    }
}

void FrozenColTableView::columnResized(int column, int oldWidth, int newWidth)
{
    QTableView::columnResized(column, oldWidth, newWidth);
    if (newWidth != 0 && column >= 0 && column < m_colWidths.size())
        m_colWidths[column] = newWidth;
    // Scrolling updates the bar once when it is done, not once per column it hides.
    if (!m_scrollingColumns)
        updateHorizScrollBar();
}

void FrozenColTableView::slotModelReset()
{
    readColumnWidths();
}

void FrozenColTableView::slotHorizBarValueChanged(const int &value)
{
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
    const int first = qMax(0, columnAt(0));
    int last = columnAt(viewport()->width());
    if (last == -1) {
        last = m_colCount;
        showHiddenColumnsThatFit();
    }
    const int start = m_frozenColCount > 0 ? m_frozenColCount + m_hiddenCols.size() : first;
    const int page = last - start;
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
        const int free = viewport()->width()
            - (columnViewportPosition(lastColumn) + m_colWidths.value(lastColumn));
        if (m_colWidths.value(m_hiddenCols.last()) >= free)
            break;
        showColumn(m_hiddenCols.takeLast());
    }
}
