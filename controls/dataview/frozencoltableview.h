#pragma once

#include "dataview/frozenbasetableview.h"

#include <QKeyEvent>
#include <QPointer>
#include <QResizeEvent>
#include <QScrollBar>
#include <QWheelEvent>

// A table whose first columns stay put: scrolling right hides the leading scrollable columns
// one by one, driven by a horizontal bar that the owning page creates and places itself.
// Vertical scrolling is the table's own. Without a bar (null, or deleted by its page) the
// columns still scroll by keys, wheel and scrollTo; there is just no bar to show it.
class KWCONTROLS_EXPORT FrozenColTableView : public FrozenBaseTableView
{
    Q_OBJECT
public:
    // Without a bar, as a Designer form makes it; the form's owner hands one over with
    // setOutsideHorizontalBar(), typically a QScrollBar laid out under the table on the same form.
    explicit FrozenColTableView(QWidget *parent = nullptr);
    explicit FrozenColTableView(QScrollBar *horizontalBar, QWidget *parent = nullptr);

    // The bar that drives the columns from now on (null: none). It takes over where the
    // columns stand; a bar handed over before keeps its range and no longer drives anything.
    void setOutsideHorizontalBar(QScrollBar *bar);

    void setModel(QAbstractItemModel *model) override;
    void setFrozenColCount(const int &count) override;
    void setVerticalScrollBarPolicy(Qt::ScrollBarPolicy policy) override;
    // Acts on the outside bar; the table's own horizontal bar stays off.
    void setHorizontalScrollBarPolicy(Qt::ScrollBarPolicy policy);
    // The row at the viewport's bottom edge, or -1 when the rows end above it.
    int lastRow() const;
    // Brings a column into view through the outside bar; rows follow Qt's own rules.
    void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override;

protected slots:
    void resizeEvent(QResizeEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    void columnResized(int column, int oldWidth, int newWidth);
    virtual void slotModelReset();
    void slotHorizBarValueChanged(const int &value);

protected:
    void initModel(QAbstractItemModel *model);
    void wheelEvent(QWheelEvent *e) override;
    // Scrolls the columns by a sideways wheel event (or Alt+wheel); false when it is vertical.
    bool scrollColumnsByWheel(QWheelEvent *e);
    void scrollToColumn(int column, ScrollHint hint);

    QPointer<QAbstractItemModel> m_model;
    int m_frozenColCount = 0;
    int m_colCount = 0;
    QVector<int> m_colWidths;   // last non-zero width of each column: hidden ones report 0
    QVector<int> m_hiddenCols;  // columns hidden by scrolling, in order of hiding
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
    int m_horizMax = 0;  // the bar's maximum, kept for when there is no bar
    SectionChange m_colChange;
    WheelTravel m_horizWheel;
    QVector<QMetaObject::Connection> m_colConnections;
};
