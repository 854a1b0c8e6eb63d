#include "dataview/frozentableview.h"

#include <QHeaderView>
#include <QScrollBar>

FrozenTableView::FrozenTableView(QScrollBar *horizontalBar, QScrollBar *verticalBar, QWidget *parent)
    : FrozenColTableView(horizontalBar, parent), m_vertBar(verticalBar)
{
    horizontalHeader()->setSectionsClickable(true);
    QTableView::setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_vertBarPolicy = Qt::ScrollBarAsNeeded;
    connect(m_vertBar, &QScrollBar::valueChanged, this, &FrozenTableView::slotVertBarValueChanged);
}

void FrozenTableView::setModel(QAbstractItemModel *model)
{
    FrozenColTableView::setModel(model);
    m_rowCount = model ? model->rowCount() : 0;
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

void FrozenTableView::keyPressEvent(QKeyEvent *e)
{
    const int row = currentIndex().row();
    switch (e->key()) {
    case Qt::Key_Up:
        if (row == firstScrollableRowShown())
            m_vertBar->setValue(row - 1);
        break;
    case Qt::Key_Down:
        if (rowViewportPosition(row + 1) + rowHeight(row + 1) > viewport()->height())
            m_vertBar->setValue(firstScrollableRowShown() + 1);
        break;
    case Qt::Key_PageUp:
        pageTo(m_vertBar->value() - m_vertBar->pageStep());
        break;
    case Qt::Key_PageDown:
        pageTo(m_vertBar->value() + m_vertBar->pageStep());
        break;
    default:
        FrozenColTableView::keyPressEvent(e);
        return;
    }
    QTableView::keyPressEvent(e);
}

// The target row is clamped to the model's rows, so a page from near either end still
// lands on a cell instead of clearing the current one.
void FrozenTableView::pageTo(int value)
{
    m_vertBar->setValue(value);
    if (!m_model || m_rowCount == 0)
        return;
    const QModelIndex current = currentIndex();
    const int row = qBound(0, value, m_rowCount - 1);
    setCurrentIndex(m_model->index(row, current.isValid() ? current.column() : 0, rootIndex()));
}

void FrozenTableView::wheelEvent(QWheelEvent *e)
{
    const int steps = e->angleDelta().y() / 120;
    m_vertBar->setValue(m_vertBar->value() - steps);
    e->accept();
}

void FrozenTableView::slotModelReset()
{
    FrozenColTableView::slotModelReset();
    m_rowCount = m_model ? m_model->rowCount() : 0;
    m_vertBar->setValue(m_frozenRowCount);
    restoreSections(verticalHeader(), m_hiddenRows, m_rowCount);
    updateVertScrollBar();
}

void FrozenTableView::slotVertBarValueChanged(const int &value)
{
    scrollSections(verticalHeader(), m_hiddenRows, m_frozenRowCount, value);
}

void FrozenTableView::updateVertScrollBar()
{
    const int first = qMax(0, rowAt(0));
    int last = rowAt(viewport()->height());
    if (last == -1) {
        last = m_rowCount;
        showHiddenRowsThatFit();
    }
    const int start = m_frozenRowCount > 0 ? firstScrollableRowShown() : first;
    const int page = last - start;
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
