#include "quotemodel.h"

#include <QCollator>
#include <QColor>
#include <QHash>

#include <algorithm>
#include <numeric>

namespace {
struct Named
{
    const char *code;
    const char *name;
};
// Indices first (the frozen rows), then a few well-known stocks; the rest is generated.
const Named namedItems[] = {
        {"000001", "上证指数"}, {"399001", "深证成指"}, {"600000", "浦发银行"}, {"000001", "平安银行"},
        {"600519", "贵州茅台"}, {"300750", "宁德时代"}, {"601318", "中国平安"}, {"600036", "招商银行"},
        {"000858", "五粮液"},   {"002594", "比亚迪"},
};
constexpr int NamedCount = int(sizeof(namedItems) / sizeof(namedItems[0]));
const QStringList prefixes{"华", "中", "东", "新", "金", "海", "长", "恒", "国", "天", "宏", "瑞"};
const QStringList middles{"信", "安", "达", "通", "源", "鼎", "泰", "兴", "盛", "远"};
const QStringList trades{"科技", "能源", "医药", "电子", "材料", "证券", "股份", "控股", "重工", "食品"};
const char *const headers[] = {
        QT_TRANSLATE_NOOP("QuoteModel", "序号"),       QT_TRANSLATE_NOOP("QuoteModel", "代码"),
        QT_TRANSLATE_NOOP("QuoteModel", "名称"),       QT_TRANSLATE_NOOP("QuoteModel", "最新"),
        QT_TRANSLATE_NOOP("QuoteModel", "涨幅%"),      QT_TRANSLATE_NOOP("QuoteModel", "涨跌"),
        QT_TRANSLATE_NOOP("QuoteModel", "成交量(手)"), QT_TRANSLATE_NOOP("QuoteModel", "成交额(万)"),
        QT_TRANSLATE_NOOP("QuoteModel", "换手%"),      QT_TRANSLATE_NOOP("QuoteModel", "市盈率"),
        QT_TRANSLATE_NOOP("QuoteModel", "最高"),       QT_TRANSLATE_NOOP("QuoteModel", "最低"),
        QT_TRANSLATE_NOOP("QuoteModel", "今开"),       QT_TRANSLATE_NOOP("QuoteModel", "昨收"),
};
constexpr int Columns = int(sizeof(headers) / sizeof(headers[0]));
enum Column { Serial, Code, Name, FirstFigure = 3 };
// Decimals of each figure column, from FirstFigure on.
const int decimals[] = {2, 2, 2, 0, 1, 2, 1, 2, 2, 2, 2};

int codeNumber(int item)
{
    return item < NamedCount ? QByteArray(namedItems[item].code).toInt() : 100000 + item * 7 % 899999;
}

// A generated name is three parts; this numbers the combination.
int nameCombination(int item)
{
    return (item % prefixes.size() * middles.size() + (item / 7) % middles.size()) * trades.size() +
           (item / 13) % trades.size();
}

QString combinationName(int combination)
{
    const int trade = combination % trades.size();
    const int middle = combination / trades.size() % middles.size();
    const int prefix = combination / trades.size() / middles.size();
    return prefixes[prefix] + middles[middle] + trades[trade];
}

// Names sort as a Chinese reader expects (by pinyin), which plain code point order is not.
// There are only about 1,200 different names: each gets its place once, and sorting compares
// those places instead of collating 100,000 texts.
struct NameRanks
{
    std::vector<int> named;
    std::vector<int> combinations;

    NameRanks()
    {
        QStringList all;
        for (const Named &n : namedItems)
            all << QString::fromUtf8(n.name);
        const int combinationCount = int(prefixes.size() * middles.size() * trades.size());
        for (int c = 0; c < combinationCount; ++c)
            all << combinationName(c);
        QStringList sorted = all;
        QCollator collator(QLocale(QLocale::Chinese, QLocale::China));
        std::sort(sorted.begin(), sorted.end(), collator);
        QHash<QString, int> rank;
        for (int i = 0; i < sorted.size(); ++i)
            rank.insert(sorted[i], i);
        for (int i = 0; i < all.size(); ++i)
            (i < NamedCount ? named : combinations).push_back(rank.value(all[i]));
    }
};

// The figures of one item, all derived from its number.
struct Quote
{
    double close, change, last, volume;

    explicit Quote(int item)
    {
        const uint seed = uint(item) * 2654435761u;
        close = 5.0 + (seed % 30000) / 100.0;
        change = (int(seed / 30000 % 2001) - 1000) / 100.0; // -10.00 .. +10.00 %
        last = close * (1 + change / 100);
        volume = 1000 + (item * 97u % 500000);
    }

    double figure(int item, int column) const
    {
        switch (column) {
        case 3: return last;
        case 4: return change;
        case 5: return last - close;
        case 6: return volume;
        case 7: return volume * last / 100;
        case 8: return (item * 31u % 2500) / 100.0;
        case 9: return 5 + (item * 17u % 9000) / 100.0;
        case 10: return qMax(last, close) * 1.02;
        case 11: return qMin(last, close) * 0.98;
        case 12: return close * (1 + change / 300);
        case 13: return close;
        }
        return 0;
    }
};
} // namespace

QuoteModel::QuoteModel(QObject *parent)
    : QAbstractTableModel(parent)
    , m_items(Rows)
    , m_rowOfItem(Rows)
{
    std::iota(m_items.begin(), m_items.end(), 0);
    std::iota(m_rowOfItem.begin(), m_rowOfItem.end(), 0);
}

int QuoteModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : Rows;
}

int QuoteModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : Columns;
}

QVariant QuoteModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return section >= 0 && section < Columns ? tr(headers[section]) : QString();
    // A first click on a figure puts the largest on top (the day's top gainers, the busiest
    // stocks), as quote lists do; numbers, codes and names start from the smallest.
    if (role == Qt::InitialSortOrderRole)
        return int(section >= FirstFigure ? Qt::DescendingOrder : Qt::AscendingOrder);
    return QAbstractTableModel::headerData(section, orientation, role);
}

QString QuoteModel::code(int row) const
{
    return QString("%1").arg(codeNumber(itemAt(row)), 6, 10, QChar('0'));
}

QString QuoteModel::name(int row) const
{
    const int item = itemAt(row);
    return item < NamedCount ? QString::fromUtf8(namedItems[item].name) : combinationName(nameCombination(item));
}

QString QuoteModel::serial(int row) const
{
    const int item = itemAt(row);
    return item < IndexRows ? tr("指数") : QString::number(item - IndexRows + 1);
}

int QuoteModel::rowOf(const QString &stockCode) const
{
    bool ok = false;
    const int number = stockCode.toInt(&ok);
    if (!ok || stockCode.size() != 6)
        return -1;
    for (int item = IndexRows; item < Rows; ++item)
        if (codeNumber(item) == number)
            return m_rowOfItem[size_t(item)];
    return -1;
}

int QuoteModel::rowOfSerial(int serial) const
{
    const int item = serial + IndexRows - 1;
    return item >= IndexRows && item < Rows ? m_rowOfItem[size_t(item)] : -1;
}

QVariant QuoteModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= Rows)
        return QVariant();
    const int item = itemAt(index.row());
    const int column = index.column();
    const Quote quote(item);
    if (role == Qt::ForegroundRole && column >= 3 && column <= 5)
        return QColor(quote.change > 0 ? "#ff4d4f" : quote.change < 0 ? "#2fc25b" : "#cfd8e3");
    if (role == Qt::TextAlignmentRole)
        return int((column >= FirstFigure ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return QVariant();
    switch (column) {
    case Serial: return serial(index.row());
    case Code: return code(index.row());
    case Name: return name(index.row());
    }
    if (column >= Columns)
        return QVariant();
    return QString::number(quote.figure(item, column), 'f', decimals[column - FirstFigure]);
}

// One key per item, compared as numbers: the serial, the code, the name's place, the figure.
std::vector<double> QuoteModel::sortKeys(int column) const
{
    static const NameRanks ranks;
    std::vector<double> keys(Rows);
    for (int item = IndexRows; item < Rows; ++item) {
        double &key = keys[size_t(item)];
        switch (column) {
        case Serial: key = item; break;
        case Code: key = codeNumber(item); break;
        case Name:
            key = item < NamedCount ? ranks.named[size_t(item)] : ranks.combinations[size_t(nameCombination(item))];
            break;
        default: key = Quote(item).figure(item, column);
        }
    }
    return keys;
}

void QuoteModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= Columns)
        return;
    const std::vector<double> keys = sortKeys(column);
    std::vector<int> items(Rows);
    std::iota(items.begin(), items.end(), 0);
    const auto stocks = items.begin() + IndexRows;
    if (order == Qt::AscendingOrder)
        std::stable_sort(stocks, items.end(), [&keys](int a, int b) { return keys[size_t(a)] < keys[size_t(b)]; });
    else
        std::stable_sort(stocks, items.end(), [&keys](int a, int b) { return keys[size_t(a)] > keys[size_t(b)]; });
    applyOrder(std::move(items));
}

// Views keep their selection and current cell on the same stocks: every persistent index
// follows its item to the item's new row.
void QuoteModel::applyOrder(std::vector<int> items)
{
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    std::vector<int> itemsBefore;
    itemsBefore.reserve(size_t(before.size()));
    for (const QModelIndex &index : before)
        itemsBefore.push_back(itemAt(index.row()));

    m_items = std::move(items);
    for (int row = 0; row < Rows; ++row)
        m_rowOfItem[size_t(m_items[size_t(row)])] = row;

    QModelIndexList after;
    after.reserve(before.size());
    for (int i = 0; i < before.size(); ++i)
        after << index(m_rowOfItem[size_t(itemsBefore[size_t(i)])], before[i].column());
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}
