#pragma once

#include "dataview/frozencoltableview.h"

#include <QWheelEvent>

// A table whose first columns and first rows stay put: both directions scroll by hiding the
// leading scrollable sections, driven by two outside bars that the owning page places. A null
// bar means no outside bar in that direction; keys, wheel and scrollTo still scroll it.
class KWCONTROLS_EXPORT FrozenTableView : public FrozenColTableView
{
    Q_OBJECT
public:
    // Without bars, as a Designer form makes it; the form's owner hands them over with
    // setOutsideHorizontalBar() and setOutsideVerticalBar().
    explicit FrozenTableView(QWidget *parent = nullptr);
    FrozenTableView(QScrollBar *horizontalBar, QScrollBar *verticalBar, QWidget *parent = nullptr);

    // As setOutsideHorizontalBar(), for the rows.
    void setOutsideVerticalBar(QScrollBar *bar);

    void setModel(QAbstractItemModel *model) override;
    void setFrozenRowCount(const int &count) override;
    // The table's own vertical bar is always off here, so the policy governs the outside bar.
    void setVerticalScrollBarPolicy(Qt::ScrollBarPolicy policy) override;
    // Brings a cell into view through the outside bars.
    void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override;

protected slots:
    void resizeEvent(QResizeEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    void wheelEvent(QWheelEvent *e) override;
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
    QVector<int> m_hiddenRows;  // rows hidden by scrolling, in order of hiding
    int m_vertMax = 0;          // the bar's maximum and page step, kept for when there is no bar
    int m_vertPage = 0;
    bool m_scrollingRows = false;
    SectionChange m_rowChange;
    WheelTravel m_vertWheel;
    QVector<QMetaObject::Connection> m_rowConnections;
};
