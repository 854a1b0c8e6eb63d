#pragma once

#include "kwcontrols_export.h"

#include <QPersistentModelIndex>
#include <QTableView>
#include <QVector>

#include <functional>

class QHeaderView;
class QScrollBar;

// The common look of the frozen tables: whole rows selected one at a time, scrolling by items,
// and the table's own horizontal bar off because the owner's outside bars drive scrolling.
class KWCONTROLS_EXPORT FrozenBaseTableView : public QTableView
{
    Q_OBJECT
public:
    explicit FrozenBaseTableView(QWidget *parent = nullptr);

    virtual void setFrozenColCount(const int &count);
    virtual void setFrozenRowCount(const int &count);
    virtual void setVerticalScrollBarPolicy(Qt::ScrollBarPolicy policy);

signals:
    void currentItemChanged(QModelIndex index);

protected slots:
    // Only reports: the base would scroll the table's own bars to the current cell, which
    // would fight the hiding of leading rows and columns that does the scrolling here.
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;

protected:
    // The first scrollable section shown in one direction, carried across a model change that
    // renumbers the sections: by its index where the model can say where it went, else by number.
    struct SectionChange
    {
        QPersistentModelIndex first;
        int number = -1; // -1 while no change is under way
        bool pending() const { return number >= 0; }
    };
    // A wheel's unspent travel in one direction, kept between the events of one gesture.
    struct WheelTravel
    {
        int angle = 0;
        int pixels = 0;
    };

    // Makes `value` the first scrollable section shown by hiding (pushing on `hidden`) or
    // showing (popping) the sections that follow the `frozen` ones. A section hidden by
    // somebody else stops both ways. Returns whether any section changed.
    static bool scrollSections(QHeaderView *header, QVector<int> &hidden, int frozen, int value);
    // Empties `hidden`, showing every section still below `count`.
    static void restoreSections(QHeaderView *header, QVector<int> &hidden, int count);
    // Shows or hides an outside bar; `fits` says whether every scrollable section is shown.
    static void applyBarPolicy(QScrollBar *bar, Qt::ScrollBarPolicy policy, bool fits);
    // The first scrollable section to show so that `section` stands where `hint` asks, given
    // the first one shown now, the room left by the frozen sections and each section's length.
    static int firstSectionShowing(int section, int first, int frozen, int room, ScrollHint hint,
                                   const std::function<int(int)> &length);
    // Whole sections that one wheel event scrolls by, positive towards the start.
    static int wheelSteps(WheelTravel &travel, Qt::ScrollPhase phase, int angle, int pixels, int sectionLength);

    // Connects the model's signals announcing a renumbering of the sections in `orientation`.
    // Must run before QTableView::setModel; see the .cpp for why.
    QVector<QMetaObject::Connection> watchSectionChangesBefore(QAbstractItemModel *model, Qt::Orientation orientation,
                                                               SectionChange &change, QVector<int> &hidden,
                                                               const int &frozen);
    // Calls `after` once the sections in `orientation` have been renumbered (a reset excepted).
    QVector<QMetaObject::Connection> watchSectionChangesAfter(QAbstractItemModel *model, Qt::Orientation orientation,
                                                              const std::function<void()> &after);
    // Where the remembered first section is now; `current` when no change was announced.
    static int takeChangedFirst(SectionChange &change, Qt::Orientation orientation, int current);

    // Keeps the table's own bar in `orientation` at 0, handing each move that Qt makes on it
    // (wheel, drag auto-scroll, scrollToBottom) to `forward` as a number of sections.
    void pinOwnBar(Qt::Orientation orientation, const std::function<void(int)> &forward);

    Qt::ScrollBarPolicy m_horizBarPolicy = Qt::ScrollBarAsNeeded;
    Qt::ScrollBarPolicy m_vertBarPolicy = Qt::ScrollBarAsNeeded;
    bool m_ownBarMovesIgnored = false; // set while Qt's own scrollTo runs, whose bar moves are undone, not forwarded

private:
    void beginSectionChange(Qt::Orientation orientation, SectionChange &change, QVector<int> &hidden, int frozen, bool follow);
};
