#pragma once

#include "kwcontrols_export.h"

#include <QTableView>
#include <QVector>

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
    // Makes `value` the first scrollable section shown by hiding (pushing on `hidden`) or
    // showing (popping) the sections that follow the `frozen` ones. A section hidden by
    // somebody else stops both ways. Returns whether any section changed.
    static bool scrollSections(QHeaderView *header, QVector<int> &hidden, int frozen, int value);
    // Empties `hidden`, showing every section still below `count`.
    static void restoreSections(QHeaderView *header, QVector<int> &hidden, int count);
    // Shows or hides an outside bar; `fits` says whether every scrollable section is shown.
    static void applyBarPolicy(QScrollBar *bar, Qt::ScrollBarPolicy policy, bool fits);

    Qt::ScrollBarPolicy m_horizBarPolicy = Qt::ScrollBarAsNeeded;
    Qt::ScrollBarPolicy m_vertBarPolicy = Qt::ScrollBarAsNeeded;
};
