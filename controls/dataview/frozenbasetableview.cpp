#include "dataview/frozenbasetableview.h"

#include <QHeaderView>
#include <QScrollBar>

#include <algorithm>

namespace {

// While its updates are off, a header neither repaints nor recomputes every section position
// after each hidden or shown section; without this, scrolling a long table to its end costs
// time quadratic in its length. Positions are recomputed once, when next asked for.
class SectionBatch
{
public:
    explicit SectionBatch(QHeaderView *header)
        : m_header(header)
        , m_wasEnabled(header->updatesEnabled())
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

void FrozenBaseTableView::setFrozenColCount(const int &) { }

void FrozenBaseTableView::setFrozenRowCount(const int &) { }

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
    if (!bar)
        return;
    if (fits && policy != Qt::ScrollBarAlwaysOn)
        bar->hide();
    else if (!fits && policy != Qt::ScrollBarAlwaysOff)
        bar->show();
}

int FrozenBaseTableView::firstSectionShowing(int section, int first, int frozen, int room, ScrollHint hint,
                                             const std::function<int(int)> &length)
{
    if (section < frozen)
        return first;
    // The first section from which `section` still ends inside `space`.
    const auto fitFrom = [&](int space) {
        int from = section;
        int total = length(section);
        while (from > frozen && total + length(from - 1) <= space)
            total += length(--from);
        return from;
    };
    switch (hint) {
    case PositionAtTop: return section;
    case PositionAtBottom: return fitFrom(room);
    case PositionAtCenter: return fitFrom((room + length(section)) / 2);
    case EnsureVisible: break;
    }
    if (section < first)
        return section;
    // Walks only as far as the room reaches, so a far section costs a page, not the table.
    int total = 0;
    for (int s = first; s <= section; ++s) {
        total += length(s);
        if (total > room)
            return fitFrom(room);
    }
    return first;
}

// A mouse notch (120 eighths of a degree) scrolls one section, and a fraction of a notch alone
// scrolls nothing. A touchpad sends many small deltas between ScrollBegin and ScrollEnd: their
// sum counts, in pixels where the device gives them (a section per section length travelled),
// so a slow swipe still scrolls and the remainder of one swipe never leaks into the next.
int FrozenBaseTableView::wheelSteps(WheelTravel &travel, Qt::ScrollPhase phase, int angle, int pixels,
                                    int sectionLength)
{
    if (phase == Qt::ScrollBegin)
        travel = WheelTravel();
    int steps = 0;
    if (pixels != 0) {
        const int unit = qMax(1, sectionLength);
        travel.pixels += pixels;
        steps = travel.pixels / unit;
        travel.pixels -= steps * unit;
    } else if (phase != Qt::NoScrollPhase) {
        travel.angle += angle;
        steps = travel.angle / 120;
        travel.angle -= steps * 120;
    } else {
        steps = angle / 120;
    }
    if (phase == Qt::ScrollEnd)
        travel = WheelTravel();
    return steps;
}

// Remembers the first scrollable section shown and shows every section that scrolling hid,
// while the numbers on the stack still mean the sections they were pushed for. The view then
// hides again from the frozen sections up to wherever the remembered one went.
void FrozenBaseTableView::beginSectionChange(Qt::Orientation orientation, SectionChange &change, QVector<int> &hidden,
                                             int frozen, bool follow)
{
    QAbstractItemModel *m = model();
    const bool columns = orientation == Qt::Horizontal;
    const int first = frozen + hidden.size();
    const int count = columns ? m->columnCount() : m->rowCount();
    const int across = columns ? m->rowCount() : m->columnCount();
    // A section without cells has no index to follow; its number stands in.
    change.first = follow && first < count && across > 0
                           ? QPersistentModelIndex(columns ? m->index(0, first) : m->index(first, 0))
                           : QPersistentModelIndex();
    change.number = first;
    QHeaderView *header = columns ? horizontalHeader() : verticalHeader();
    restoreSections(header, hidden, header->count());
}

// These run ahead of the header's own handlers, which is why they are connected before
// QTableView::setModel hands the model to the headers: on a layout change or a move the header
// carries each hidden section to its new place, and would carry the ones scrolling hid too,
// leaving them hidden under numbers the stack no longer names.
//
// Insertions, removals and moves say exactly where the sections go, so the first one shown is
// followed by its number. Only a layout change needs a persistent index, and it must not be
// made anywhere else: Qt gathers the indexes that a column move carries before it announces
// the move, and one made in the announcement would be left behind, corrupting the model's list.
QVector<QMetaObject::Connection> FrozenBaseTableView::watchSectionChangesBefore(QAbstractItemModel *model,
                                                                                Qt::Orientation orientation,
                                                                                SectionChange &change,
                                                                                QVector<int> &hidden, const int &frozen)
{
    const bool columns = orientation == Qt::Horizontal;
    const auto begin = [this, orientation, &change, &hidden, &frozen](bool follow) {
        beginSectionChange(orientation, change, hidden, frozen, follow);
    };
    const auto inserted = [&change](int at, int count) {
        if (change.number >= at)
            change.number += count;
    };
    // The section that moves up into the gap leads instead of a removed one.
    const auto removed = [&change](int first, int last) {
        if (change.number > last)
            change.number -= last - first + 1;
        else if (change.number >= first)
            change.number = first;
    };
    QVector<QMetaObject::Connection> connections;
    connections << connect(
            model, columns ? &QAbstractItemModel::columnsAboutToBeInserted : &QAbstractItemModel::rowsAboutToBeInserted,
            this, [begin, inserted](const QModelIndex &parent, int first, int last) {
                if (parent.isValid())
                    return;
                begin(false);
                inserted(first, last - first + 1);
            });
    connections << connect(
            model, columns ? &QAbstractItemModel::columnsAboutToBeRemoved : &QAbstractItemModel::rowsAboutToBeRemoved,
            this, [begin, removed](const QModelIndex &parent, int first, int last) {
                if (parent.isValid())
                    return;
                begin(false);
                removed(first, last);
            });
    connections << connect(
            model, columns ? &QAbstractItemModel::columnsAboutToBeMoved : &QAbstractItemModel::rowsAboutToBeMoved, this,
            [begin, inserted, removed, &change](const QModelIndex &from, int first, int last, const QModelIndex &to,
                                                int dest) {
                if (from.isValid() && to.isValid())
                    return;
                begin(false);
                const int count = last - first + 1;
                if (from.isValid()) {
                    inserted(dest, count);
                } else if (to.isValid()) {
                    removed(first, last);
                } else if (change.number >= first && change.number <= last) {
                    change.number += (dest > last ? dest - count : dest) - first;
                } else {
                    removed(first, last);
                    inserted(dest > last ? dest - count : dest, count);
                }
            });
    connections << connect(
            model, &QAbstractItemModel::layoutAboutToBeChanged, this,
            [begin, columns](const QList<QPersistentModelIndex> &parents, QAbstractItemModel::LayoutChangeHint hint) {
                // A sort of the other direction leaves these sections where they are.
                if (hint == (columns ? QAbstractItemModel::VerticalSortHint : QAbstractItemModel::HorizontalSortHint))
                    return;
                if (!parents.isEmpty() && std::none_of(parents.begin(), parents.end(),
                                                       [](const QPersistentModelIndex &p) { return !p.isValid(); }))
                    return;
                begin(true);
            });
    // A reset keeps no index: the view decides where it goes.
    connections << connect(model, &QAbstractItemModel::modelAboutToBeReset, this, [begin] { begin(false); });
    return connections;
}

QVector<QMetaObject::Connection> FrozenBaseTableView::watchSectionChangesAfter(QAbstractItemModel *model,
                                                                               Qt::Orientation orientation,
                                                                               const std::function<void()> &after)
{
    const bool columns = orientation == Qt::Horizontal;
    QVector<QMetaObject::Connection> connections;
    connections << connect(model, columns ? &QAbstractItemModel::columnsInserted : &QAbstractItemModel::rowsInserted,
                           this, after);
    connections << connect(model, columns ? &QAbstractItemModel::columnsRemoved : &QAbstractItemModel::rowsRemoved,
                           this, after);
    connections << connect(model, columns ? &QAbstractItemModel::columnsMoved : &QAbstractItemModel::rowsMoved, this,
                           after);
    connections << connect(model, &QAbstractItemModel::layoutChanged, this, after);
    return connections;
}

int FrozenBaseTableView::takeChangedFirst(SectionChange &change, Qt::Orientation orientation, int current)
{
    if (!change.pending())
        return current;
    const int first = change.first.isValid()
                              ? (orientation == Qt::Horizontal ? change.first.column() : change.first.row())
                              : change.number;
    // Every persistent index costs the model work on each later change: hold none longer.
    change = SectionChange();
    return first;
}

void FrozenBaseTableView::pinOwnBar(Qt::Orientation orientation, const std::function<void(int)> &forward)
{
    QScrollBar *own = orientation == Qt::Horizontal ? horizontalScrollBar() : verticalScrollBar();
    connect(own, &QScrollBar::valueChanged, this, [this, own, forward](int value) {
        if (value == 0)
            return;
        own->setValue(0);
        if (!m_ownBarMovesIgnored)
            forward(value);
    });
}
