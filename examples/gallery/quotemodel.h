#pragma once
#include <QAbstractTableModel>
#include <QCoreApplication>

#include <vector>

// 100,000 generated quotes: the market indices first (they stay on top, frozen), then the
// stocks. Every figure is derived from a stock's serial number (the `序号` column), so the rows
// cost no memory beyond the order they are shown in. Sorting reorders that list only.
class QuoteModel : public QAbstractTableModel
{
    Q_DECLARE_TR_FUNCTIONS(QuoteModel)

public:
    static constexpr int IndexRows = 2;
    static constexpr int Rows = 100000;

    explicit QuoteModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    // Stable on the serial numbers: equal figures keep their `序号` order in both directions.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    QString code(int row) const;
    QString name(int row) const;
    // What the `序号` column shows for a row: the stock's serial number, or "指数".
    QString serial(int row) const;
    // The row a stock is shown in now (the indices share codes with stocks and are skipped).
    int rowOf(const QString &stockCode) const;
    // The row the stock with this serial number is shown in now; -1 when there is none.
    int rowOfSerial(int serial) const;

private:
    int itemAt(int row) const { return m_items[size_t(row)]; }
    std::vector<double> sortKeys(int column) const;
    void applyOrder(std::vector<int> items);

    std::vector<int> m_items; // the item shown in each row; an item's serial is item - IndexRows + 1
    std::vector<int> m_rowOfItem;
};
