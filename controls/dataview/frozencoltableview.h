#pragma once

/// \file
/// FrozenColTableView, a table whose leading columns stay put while the others scroll.

#include "dataview/frozenbasetableview.h"

#include <QKeyEvent>
#include <QPointer>
#include <QResizeEvent>
#include <QScrollBar>
#include <QWheelEvent>

/// A table whose first columns stay put: scrolling right hides the leading scrollable columns
/// one by one, driven by a horizontal bar that the owning page creates and places itself.
///
/// Vertical scrolling is the table's own. Without a bar (null, or deleted by its page) the
/// columns still scroll by keys, wheel and scrollTo(); there is just no bar to show it. The bar
/// counts columns: its value is the first scrollable column shown. Left and Right scroll by a
/// column, Home and End to either end; a sideways wheel (or Alt+wheel) scrolls the columns. The
/// place is kept across insertions, removals, moves and layout changes of the model, and
/// across a reset.
///
/// \code
/// auto *bar = new QScrollBar(Qt::Horizontal, page);
/// auto *table = new FrozenColTableView(bar, page);
/// table->setFrozenColCount(2);   // code and name stay put
/// table->setModel(quoteModel);
/// layout->addWidget(table);
/// layout->addWidget(bar);
/// \endcode
///
/// Ownership: neither the bar nor the model is owned; the table watches both and copes with
/// their deletion.
///
/// GUI thread only, like the model it shows.
/// \ingroup dataview
class KWCONTROLS_EXPORT FrozenColTableView : public FrozenBaseTableView
{
    Q_OBJECT
public:
    /// Makes an empty table without an outside bar, as a Designer form makes it.
    ///
    /// The form's owner hands one over with setOutsideHorizontalBar(), typically a QScrollBar
    /// laid out under the table on the same form.
    explicit FrozenColTableView(QWidget *parent = nullptr);
    /// Makes an empty table driven by `horizontalBar`, which may be null.
    ///
    /// The table sets the bar's range and page step and shows or hides it
    /// (setHorizontalScrollBarPolicy()); the page places it.
    explicit FrozenColTableView(QScrollBar *horizontalBar, QWidget *parent = nullptr);

    /// Makes `bar` (null: none) the one that drives the columns from now on.
    ///
    /// The bar takes over where the columns stand; a bar handed over before keeps its range
    /// and no longer drives anything. The table does not own the bar.
    void setOutsideHorizontalBar(QScrollBar *bar);

    /// Shows `model` (not owned), scrolled back to the first scrollable column.
    ///
    /// The columns that scrolling hid for the previous model are shown again first. Setting
    /// the same model again keeps the place.
    void setModel(QAbstractItemModel *model) override;
    /// Sets how many leading columns stay put (none by default). Set it before setModel().
    void setFrozenColCount(const int &count) override;
    /// Sets the policy of the table's own vertical bar, which scrolls the rows here.
    void setVerticalScrollBarPolicy(Qt::ScrollBarPolicy policy) override;
    /// Sets the policy of the outside horizontal bar (as needed by default); the table's own
    /// horizontal bar stays off.
    ///
    /// The bar is shown or hidden the next time its range is updated (a resize, a scroll or a
    /// model change).
    void setHorizontalScrollBarPolicy(Qt::ScrollBarPolicy policy);
    /// The row at the viewport's bottom edge, or -1 when the rows end above it.
    int lastRow() const;
    /// Brings a column into view through the outside bar; rows follow Qt's own rules.
    ///
    /// An invalid index or one of another model is ignored; a frozen column needs no scrolling.
    void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override;

protected slots:
    /// Updates the outside bar's range and shows hidden columns that fit again.
    void resizeEvent(QResizeEvent *e) override;
    /// Scrolls the columns for Left and Right (one column), Home and End (either end), keeps
    /// the current row in view for Up, Down, Page Up and Page Down, then brings a cell that
    /// the key made current into view.
    void keyPressEvent(QKeyEvent *e) override;
    /// Remembers the new width of a column (so a hidden one comes back at it) and updates the
    /// outside bar.
    void columnResized(int column, int oldWidth, int newWidth);
    /// Re-reads the column widths after a reset of the model; the columns keep their place.
    virtual void slotModelReset();
    /// Makes `value` the first scrollable column shown; the outside bar's `valueChanged` is
    /// connected to it.
    void slotHorizBarValueChanged(const int &value);

protected:
    /// Does setModel()'s work except watching the model's resets (see slotModelReset()).
    void initModel(QAbstractItemModel *model);
    /// Scrolls the columns by a sideways (or Alt+) wheel event, the rows by a vertical one.
    void wheelEvent(QWheelEvent *e) override;
    /// Scrolls the columns by a sideways wheel event (or Alt+wheel); false when it is vertical.
    bool scrollColumnsByWheel(QWheelEvent *e);
    /// Scrolls the columns so that `column` stands where `hint` asks; a frozen column, one out
    /// of range or one hidden by the client is ignored.
    void scrollToColumn(int column, ScrollHint hint);

    /// The model shown, or null.
    QPointer<QAbstractItemModel> m_model;
    /// How many leading columns stay put.
    int m_frozenColCount = 0;
    /// The model's column count, as last read.
    int m_colCount = 0;
    /// The last non-zero width of each column.
    QVector<int> m_colWidths; // last non-zero width of each column: hidden ones report 0
    /// The columns hidden by scrolling, in order of hiding.
    QVector<int> m_hiddenCols; // columns hidden by scrolling, in order of hiding
    /// The outside horizontal bar, or null.
    QPointer<QScrollBar> m_horizBar;

private:
    int horizValue() const;
    void setHorizValue(int value);
    void readColumnWidths();
    void updateHorizScrollBar();
    void showHiddenColumnsThatFit();
    void columnsChanged();
    void scrollColumnsTo(int first);

    bool m_scrollingColumns = false;
    int m_horizMax = 0; // the bar's maximum, kept for when there is no bar
    SectionChange m_colChange;
    WheelTravel m_horizWheel;
    QVector<QMetaObject::Connection> m_colConnections;
};
