#pragma once

/// \file
/// FrozenTableView, a table whose leading columns and rows stay put while the others scroll.

#include "dataview/frozencoltableview.h"

#include <QWheelEvent>

/// A table whose first columns and first rows stay put: both directions scroll by hiding the
/// leading scrollable sections, driven by two outside bars that the owning page places.
///
/// A null bar means no outside bar in that direction; keys, wheel and scrollTo() still scroll
/// it. Both bars count sections: their value is the first scrollable column or row shown. The
/// columns behave as in FrozenColTableView; the rows scroll by Up and Down at the edges, by a
/// page with Page Up and Page Down (which move the current row along), to either end with
/// Ctrl+Home and Ctrl+End, and by the wheel. A reset of the model brings the rows back to the
/// first scrollable one; other changes keep the place.
///
/// \code
/// auto *hbar = new QScrollBar(Qt::Horizontal, page);
/// auto *vbar = new QScrollBar(Qt::Vertical, page);
/// auto *table = new FrozenTableView(hbar, vbar, page);
/// table->setFrozenColCount(2);
/// table->setFrozenRowCount(1);   // e.g. an index row on top
/// table->setModel(quoteModel);
/// \endcode
///
/// Ownership: neither the bars nor the model are owned; the table watches them and copes with
/// their deletion.
///
/// GUI thread only, like the model it shows.
/// \ingroup dataview
class KWCONTROLS_EXPORT FrozenTableView : public FrozenColTableView
{
    Q_OBJECT
public:
    /// Makes an empty table without outside bars, as a Designer form makes it.
    ///
    /// The form's owner hands them over with setOutsideHorizontalBar() and
    /// setOutsideVerticalBar(). The column headers are clickable.
    explicit FrozenTableView(QWidget *parent = nullptr);
    /// Makes an empty table driven by `horizontalBar` and `verticalBar`, either of which may
    /// be null. The column headers are clickable.
    FrozenTableView(QScrollBar *horizontalBar, QScrollBar *verticalBar, QWidget *parent = nullptr);

    /// Makes `bar` (null: none) the one that drives the rows from now on, as
    /// setOutsideHorizontalBar() does for the columns.
    void setOutsideVerticalBar(QScrollBar *bar);

    /// Shows `model` (not owned), scrolled back to the first scrollable column and row.
    void setModel(QAbstractItemModel *model) override;
    /// Sets how many leading rows stay put (none by default). Set it before setModel().
    void setFrozenRowCount(const int &count) override;
    /// Sets the policy of the outside vertical bar (as needed by default).
    ///
    /// The table's own vertical bar is always off here, so the policy governs the outside bar.
    void setVerticalScrollBarPolicy(Qt::ScrollBarPolicy policy) override;
    /// Brings a cell into view through the outside bars.
    ///
    /// An invalid index or one of another model is ignored; frozen columns and rows need no
    /// scrolling.
    void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override;

protected slots:
    /// Updates both outside bars' ranges and shows hidden sections that fit again.
    void resizeEvent(QResizeEvent *e) override;
    /// Scrolls the rows for Up and Down at the edges, Page Up and Page Down (moving the current
    /// row by a page) and Ctrl+Home and Ctrl+End; other keys go to FrozenColTableView.
    void keyPressEvent(QKeyEvent *e) override;
    /// Scrolls the columns by a sideways (or Alt+) wheel event, the rows by a vertical one.
    void wheelEvent(QWheelEvent *e) override;
    /// Keeps the columns' place and scrolls the rows back to the first scrollable one.
    void slotModelReset() override;

private slots:
    void slotVertBarValueChanged(const int &value);

private:
    void updateVertScrollBar();
    void showHiddenRowsThatFit();
    int firstScrollableRowShown() const;
    void pageTo(int value);
    int vertValue() const;
    void setVertValue(int value);
    void scrollToRow(int row, ScrollHint hint);
    void rowsChanged();
    void scrollRowsTo(int first);

    int m_frozenRowCount = 0;
    int m_rowCount = 0;
    QPointer<QScrollBar> m_vertBar;
    QVector<int> m_hiddenRows; // rows hidden by scrolling, in order of hiding
    int m_vertMax = 0; // the bar's maximum and page step, kept for when there is no bar
    int m_vertPage = 0;
    bool m_scrollingRows = false;
    SectionChange m_rowChange;
    WheelTravel m_vertWheel;
    QVector<QMetaObject::Connection> m_rowConnections;
};
