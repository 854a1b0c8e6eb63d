#pragma once

#include "dataview/frozenbasetableview.h"

#include <QKeyEvent>
#include <QPointer>
#include <QResizeEvent>

// A table whose first columns stay put: scrolling right hides the leading scrollable columns
// one by one, driven by a horizontal bar that the owning page creates and places itself.
// Vertical scrolling is the table's own.
class KWCONTROLS_EXPORT FrozenColTableView : public FrozenBaseTableView
{
    Q_OBJECT
public:
    explicit FrozenColTableView(QScrollBar *horizontalBar, QWidget *parent = nullptr);

    void setModel(QAbstractItemModel *model) override;
    void setFrozenColCount(const int &count) override;
    void setVerticalScrollBarPolicy(Qt::ScrollBarPolicy policy) override;
    // Acts on the outside bar; the table's own horizontal bar stays off.
    void setHorizontalScrollBarPolicy(Qt::ScrollBarPolicy policy);
    // The row at the viewport's bottom edge, or -1 when the rows end above it.
    int lastRow() const;

protected slots:
    void resizeEvent(QResizeEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    void columnResized(int column, int oldWidth, int newWidth);
    virtual void slotModelReset();
    void slotHorizBarValueChanged(const int &value);

protected:
    void initModel(QAbstractItemModel *model);

    QPointer<QAbstractItemModel> m_model;
    int m_frozenColCount = 0;
    int m_colCount = 0;
    QVector<int> m_colWidths;   // last non-zero width of each column: hidden ones report 0
    QVector<int> m_hiddenCols;  // columns hidden by scrolling, in order of hiding
    QScrollBar *m_horizBar;

private:
    void readColumnWidths();
    void updateHorizScrollBar();
    void showHiddenColumnsThatFit();

    bool m_scrollingColumns = false;
};
