#include "dataview/frozenbasetableview.h"

#include <QHeaderView>
#include <QScrollBar>

namespace {

// While its updates are off, a header neither repaints nor recomputes every section position
// after each hidden or shown section; without this, scrolling a long table to its end costs
// time quadratic in its length. Positions are recomputed once, when next asked for.
class SectionBatch
{
public:
    explicit SectionBatch(QHeaderView *header)
        : m_header(header), m_wasEnabled(header->updatesEnabled())
    {
        m_header->setUpdatesEnabled(false);
    }
    ~SectionBatch()
    {
        if (m_wasEnabled)
            m_header->setUpdatesEnabled(true);
    }
    SectionBatch(const SectionBatch &) = delete;
    SectionBatch &operator=(const SectionBatch &) = delete;

private:
    QHeaderView *m_header;
    bool m_wasEnabled;
};

} // namespace

FrozenBaseTableView::FrozenBaseTableView(QWidget *parent)
    : QTableView(parent)
{
    verticalHeader()->hide();
    setSortingEnabled(true);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerItem);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    horizontalScrollBar()->hide();
    QTableView::setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void FrozenBaseTableView::setFrozenColCount(const int &)
{
}

void FrozenBaseTableView::setFrozenRowCount(const int &)
{
}

void FrozenBaseTableView::setVerticalScrollBarPolicy(Qt::ScrollBarPolicy policy)
{
    m_vertBarPolicy = policy;
}

void FrozenBaseTableView::currentChanged(const QModelIndex &current, const QModelIndex &)
{
    emit currentItemChanged(current);
}

bool FrozenBaseTableView::scrollSections(QHeaderView *header, QVector<int> &hidden, int frozen, int value)
{
    SectionBatch batch(header);
    bool changed = false;
    while (!hidden.isEmpty()) {
        const int c = frozen + hidden.size() - 1;
        if (c < value || !header->isSectionHidden(c))
            break;
        header->showSection(hidden.takeLast());
        changed = true;
    }
    for (int c = frozen + hidden.size(); c < value && c < header->count() && !header->isSectionHidden(c);
         c = frozen + hidden.size()) {
        hidden.push_back(c);
        header->hideSection(c);
        changed = true;
    }
    return changed;
}

void FrozenBaseTableView::restoreSections(QHeaderView *header, QVector<int> &hidden, int count)
{
    SectionBatch batch(header);
    while (!hidden.isEmpty()) {
        const int section = hidden.takeLast();
        if (section < count)
            header->showSection(section);
    }
}

void FrozenBaseTableView::applyBarPolicy(QScrollBar *bar, Qt::ScrollBarPolicy policy, bool fits)
{
    if (fits && policy != Qt::ScrollBarAlwaysOn)
        bar->hide();
    else if (!fits && policy != Qt::ScrollBarAlwaysOff)
        bar->show();
}
