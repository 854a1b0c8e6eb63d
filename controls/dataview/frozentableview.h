#pragma once

#include "dataview/frozencoltableview.h"

#include <QWheelEvent>

// A table whose first columns and first rows stay put: both directions scroll by hiding the
// leading scrollable sections, driven by two outside bars that the owning page places.
class KWCONTROLS_EXPORT FrozenTableView : public FrozenColTableView
{
    Q_OBJECT
public:
    FrozenTableView(QScrollBar *horizontalBar, QScrollBar *verticalBar, QWidget *parent = nullptr);

    void setModel(QAbstractItemModel *model) override;
    void setFrozenRowCount(const int &count) override;
    // The table's own vertical bar is always off here, so the policy governs the outside bar.
    void setVerticalScrollBarPolicy(Qt::ScrollBarPolicy policy) override;

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

    int m_frozenRowCount = 0;
    int m_rowCount = 0;
    QScrollBar *m_vertBar;
    QVector<int> m_hiddenRows;  // rows hidden by scrolling, in order of hiding
};
