#pragma once

/// \file
/// FrozenBaseTableView, the base of the tables whose leading columns and rows stay put.

#include "kwcontrols_export.h"

#include <QPersistentModelIndex>
#include <QTableView>
#include <QVector>

#include <functional>

class QHeaderView;
class QScrollBar;

/// The common look of the frozen tables: whole rows selected one at a time, scrolling by items,
/// and the table's own horizontal bar off because the owner's outside bars drive scrolling.
///
/// The vertical header is hidden and sorting by a click on a column's header is on. The class
/// holds what FrozenColTableView and FrozenTableView share: the outside bars' policies and the
/// helpers that scroll by hiding the leading scrollable sections of a header, follow them
/// across model changes and turn wheel events into whole sections. Use one of those two; this
/// one alone freezes nothing.
///
/// GUI thread only, like the model it shows.
/// \ingroup dataview
class KWCONTROLS_EXPORT FrozenBaseTableView : public QTableView
{
    Q_OBJECT
public:
    /// Makes an empty table with the common look.
    explicit FrozenBaseTableView(QWidget *parent = nullptr);

    /// Sets how many leading columns stay put; does nothing here (see
    /// FrozenColTableView::setFrozenColCount()).
    virtual void setFrozenColCount(const int &count);
    /// Sets how many leading rows stay put; does nothing here (see
    /// FrozenTableView::setFrozenRowCount()).
    virtual void setFrozenRowCount(const int &count);
    /// Stores the policy of an outside vertical bar; the table's own bar is not touched.
    ///
    /// Unlike QAbstractScrollArea's, it is virtual: subclasses decide which bar it governs.
    virtual void setVerticalScrollBarPolicy(Qt::ScrollBarPolicy policy);

signals:
    /// Emitted whenever the current cell changes, by the user or from code, with the new
    /// current `index` (invalid when there is none).
    void currentItemChanged(QModelIndex index);

protected slots:
    /// Emits currentItemChanged() with `current`, and nothing else.
    ///
    /// Only reports: the base would scroll the table's own bars to the current cell, which
    /// would fight the hiding of leading rows and columns that does the scrolling here.
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;

protected:
    /// The first scrollable section shown in one direction, carried across a model change that
    /// renumbers the sections: by its index where the model can say where it went, else by number.
    struct SectionChange
    {
        /// The section's first cell, followed by the model; invalid when the number stands in.
        QPersistentModelIndex first;
        /// The section's number, moved along as sections come and go.
        int number = -1; // -1 while no change is under way
        /// Whether a change was announced and is not over yet.
        bool pending() const { return number >= 0; }
    };
    /// A wheel's unspent travel in one direction, kept between the events of one gesture.
    struct WheelTravel
    {
        /// Eighths of a degree not yet turned into sections.
        int angle = 0;
        /// Pixels not yet turned into sections.
        int pixels = 0;
    };

    /// Makes `value` the first scrollable section shown by hiding (pushing on `hidden`) or
    /// showing (popping) the sections that follow the `frozen` ones. A section hidden by
    /// somebody else stops both ways. Returns whether any section changed.
    static bool scrollSections(QHeaderView *header, QVector<int> &hidden, int frozen, int value);
    /// Empties `hidden`, showing every section still below `count`.
    static void restoreSections(QHeaderView *header, QVector<int> &hidden, int count);
    /// Shows or hides an outside bar (a null one is ignored) as `policy` says; `fits` says
    /// whether every scrollable section is shown.
    static void applyBarPolicy(QScrollBar *bar, Qt::ScrollBarPolicy policy, bool fits);
    /// The first scrollable section to show so that `section` stands where `hint` asks, given
    /// the first one shown now, the room left by the frozen sections and each section's length.
    ///
    /// A frozen `section` leaves `first` as it is; EnsureVisible moves only when the section is
    /// not wholly in view.
    static int firstSectionShowing(int section, int first, int frozen, int room, ScrollHint hint,
                                   const std::function<int(int)> &length);
    /// Whole sections that one wheel event scrolls by, positive towards the start.
    ///
    /// A mouse notch (120 eighths of a degree) scrolls one section, and a fraction of a notch
    /// alone scrolls nothing. Within one gesture (ScrollBegin to ScrollEnd) the deltas add up
    /// in `travel`, in pixels where the device gives them (one section per `sectionLength`).
    static int wheelSteps(WheelTravel &travel, Qt::ScrollPhase phase, int angle, int pixels, int sectionLength);

    /// Connects the model's signals announcing a renumbering of the sections in `orientation`
    /// (insertions, removals, moves, layout changes and resets at the top level) and returns
    /// the connections, for the caller to break when the model goes.
    ///
    /// On each announcement, `change` remembers the first scrollable section shown and every
    /// section on `hidden` is shown again. Must run before QTableView::setModel(): the
    /// handlers have to run ahead of the header's own, which would otherwise carry the sections
    /// that scrolling hid to their new places and leave them hidden there.
    QVector<QMetaObject::Connection> watchSectionChangesBefore(QAbstractItemModel *model, Qt::Orientation orientation,
                                                               SectionChange &change, QVector<int> &hidden,
                                                               const int &frozen);
    /// Calls `after` once the sections in `orientation` have been renumbered (a reset excepted)
    /// and returns the connections.
    QVector<QMetaObject::Connection> watchSectionChangesAfter(QAbstractItemModel *model, Qt::Orientation orientation,
                                                              const std::function<void()> &after);
    /// Where the remembered first section is now; `current` when no change was announced.
    /// Ends the change (`change` is cleared).
    static int takeChangedFirst(SectionChange &change, Qt::Orientation orientation, int current);

    /// Keeps the table's own bar in `orientation` at 0, handing each move that Qt makes on it
    /// (wheel, drag auto-scroll, scrollToBottom) to `forward` as a number of sections.
    void pinOwnBar(Qt::Orientation orientation, const std::function<void(int)> &forward);

    /// The policy of the outside horizontal bar.
    Qt::ScrollBarPolicy m_horizBarPolicy = Qt::ScrollBarAsNeeded;
    /// The policy of the outside vertical bar.
    Qt::ScrollBarPolicy m_vertBarPolicy = Qt::ScrollBarAsNeeded;
    /// Whether pinOwnBar() undoes the moves of the own bars without forwarding them.
    bool m_ownBarMovesIgnored = false; // set while Qt's own scrollTo runs, whose bar moves are undone, not forwarded

private:
    void beginSectionChange(Qt::Orientation orientation, SectionChange &change, QVector<int> &hidden, int frozen,
                            bool follow);
};
