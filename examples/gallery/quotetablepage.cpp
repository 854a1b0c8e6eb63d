#include "quotetablepage.h"

#include "dataview/frozentableview.h"
#include "dataview/kwmenu.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QGridLayout>
#include <QHeaderView>
#include <QScrollBar>
#include <QtMath>

namespace {
constexpr int FrozenRows = 2;
constexpr int FrozenCols = 3;
constexpr int RowCount = 100000;

struct Named
{
    const char *code;
    const char *name;
};
// Indices first (the frozen rows), then a few well-known stocks; the rest is generated.
const Named namedRows[] = {
    {"000001", "上证指数"}, {"399001", "深证成指"}, {"600000", "浦发银行"}, {"000001", "平安银行"},
    {"600519", "贵州茅台"}, {"300750", "宁德时代"}, {"601318", "中国平安"}, {"600036", "招商银行"},
    {"000858", "五粮液"},   {"002594", "比亚迪"},
};
constexpr int NamedCount = int(sizeof(namedRows) / sizeof(namedRows[0]));
const QStringList prefixes{"华", "中", "东", "新", "金", "海", "长", "恒", "国", "天", "宏", "瑞"};
const QStringList middles{"信", "安", "达", "通", "源", "鼎", "泰", "兴", "盛", "远"};
const QStringList trades{"科技", "能源", "医药", "电子", "材料", "证券", "股份", "控股", "重工", "食品"};
}

// Every figure is derived from the row number, so 100,000 rows cost no memory.
class QuoteModel : public QAbstractTableModel
{
public:
    const QStringList headers{"序号", "代码", "名称", "最新", "涨幅%", "涨跌", "成交量(手)", "成交额(万)",
                              "换手%", "市盈率", "最高", "最低", "今开", "昨收"};

    int rowCount(const QModelIndex &parent = QModelIndex()) const override { return parent.isValid() ? 0 : RowCount; }
    int columnCount(const QModelIndex &parent = QModelIndex()) const override { return parent.isValid() ? 0 : headers.size(); }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (role == Qt::DisplayRole && orientation == Qt::Horizontal)
            return headers.value(section);
        return QAbstractTableModel::headerData(section, orientation, role);
    }

    QString code(int row) const
    {
        return row < NamedCount ? QString(namedRows[row].code) : QString("%1").arg(100000 + row * 7 % 899999, 6, 10, QChar('0'));
    }

    QString name(int row) const
    {
        if (row < NamedCount)
            return QString::fromUtf8(namedRows[row].name);
        return prefixes[row % prefixes.size()] + middles[(row / 7) % middles.size()] + trades[(row / 13) % trades.size()];
    }

    // The row of a stock (the indices share codes with stocks, so they are skipped).
    int rowOf(const QString &stockCode) const
    {
        for (int row = FrozenRows; row < RowCount; ++row)
            if (code(row) == stockCode)
                return row;
        return -1;
    }

    QVariant data(const QModelIndex &index, int role) const override
    {
        const int row = index.row();
        const uint seed = uint(row) * 2654435761u;
        const double close = 5.0 + (seed % 30000) / 100.0;
        const double change = (int(seed / 30000 % 2001) - 1000) / 100.0;  // -10.00 .. +10.00 %
        const double last = close * (1 + change / 100);
        if (role == Qt::ForegroundRole && index.column() >= 3 && index.column() <= 5)
            return QColor(change > 0 ? "#ff4d4f" : change < 0 ? "#2fc25b" : "#cfd8e3");
        if (role == Qt::TextAlignmentRole)
            return int((index.column() >= 3 ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
        if (role != Qt::DisplayRole)
            return QVariant();
        const double volume = 1000 + (row * 97u % 500000);
        switch (index.column()) {
        case 0: return row < FrozenRows ? QString("指数") : QString::number(row - FrozenRows + 1);
        case 1: return code(row);
        case 2: return name(row);
        case 3: return QString::number(last, 'f', 2);
        case 4: return QString::number(change, 'f', 2);
        case 5: return QString::number(last - close, 'f', 2);
        case 6: return QString::number(volume, 'f', 0);
        case 7: return QString::number(volume * last / 100, 'f', 1);
        case 8: return QString::number((row * 31u % 2500) / 100.0, 'f', 2);
        case 9: return QString::number(5 + (row * 17u % 9000) / 100.0, 'f', 1);
        case 10: return QString::number(qMax(last, close) * 1.02, 'f', 2);
        case 11: return QString::number(qMin(last, close) * 0.98, 'f', 2);
        case 12: return QString::number(close * (1 + change / 300), 'f', 2);
        case 13: return QString::number(close, 'f', 2);
        }
        return QVariant();
    }
};

QuoteTablePage::QuoteTablePage(QWidget *parent)
    : GalleryPage(tr("行情表"),
                  tr("FrozenTableView 显示 100,000 行生成的行情：两行指数和前三列固定不动。右键打开按内置配置 \"quoteList\" 生成的 KwMenu。"),
                  parent, "quotes")
    , m_model(new QuoteModel)
    , m_hbar(new QScrollBar(Qt::Horizontal))
    , m_vbar(new QScrollBar(Qt::Vertical))
    , m_table(new FrozenTableView(m_hbar, m_vbar))
{
    m_model->setParent(this);
    m_table->setObjectName("quoteTable");
    m_table->horizontalHeader()->setDefaultSectionSize(96);
    m_table->verticalHeader()->setDefaultSectionSize(26);
    m_table->verticalHeader()->hide();
    m_table->setFrozenColCount(FrozenCols);
    m_table->setFrozenRowCount(FrozenRows);
    m_table->setModel(m_model);
    m_table->setColumnWidth(0, 64);
    m_table->setColumnWidth(1, 80);
    m_table->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_table, &QWidget::customContextMenuRequested, this, &QuoteTablePage::openMenu);
    connect(m_table, &FrozenBaseTableView::currentItemChanged, this, [this](const QModelIndex &index) {
        showResult(tr("当前行 %1：%2 %3").arg(index.row()).arg(m_model->code(index.row()), m_model->name(index.row())));
    });

    auto *grid = new QGridLayout;
    grid->setSpacing(0);
    grid->addWidget(m_table, 0, 0);
    grid->addWidget(m_vbar, 0, 1);
    grid->addWidget(m_hbar, 1, 0);
    content()->addLayout(grid, 1);
}

void QuoteTablePage::openMenu(const QPoint &pos)
{
    const int row = m_table->indexAt(pos).row();
    if (row < 0)
        return;
    m_table->selectRow(row);
    const QString code = m_model->code(row);
    const QString name = m_model->name(row);
    KwMenu menu("quoteList", true, this);
    menu.setActionData(KwMenu::Role_Watchlist, m_watchlist.contains(code));
    connect(&menu, &KwMenu::actionTriggered, this, [&](int id) {
        QAction *action = nullptr;
        for (QAction *a : menu.actions())
            if (a->data().toInt() == id)
                action = a;
        if (id == KwMenu::Action_Watchlist && !m_watchlist.remove(code))
            m_watchlist.insert(code);
        showResult(tr("菜单项 %1「%2」作用于 %3 %4；自选股 %5 只")
                       .arg(id)
                       .arg(action ? action->text() : QString())
                       .arg(code, name)
                       .arg(m_watchlist.size()));
    });
    menu.exec(m_table->viewport()->mapToGlobal(pos));
}

void QuoteTablePage::goToRow(int row)
{
    m_vbar->setValue(qMax(0, row - FrozenRows - 3));
    m_table->selectRow(row);
}

void QuoteTablePage::onMessage(const QString &from, const std::map<QString, QString> &params)
{
    const auto code = params.find("code");
    if (code == params.end())
        return;
    const int row = m_model->rowOf(code->second);
    if (row < 0) {
        showResult(tr("来自 %1：没有代码 %2").arg(from, code->second));
        return;
    }
    goToRow(row);
    showResult(tr("来自 %1 的消息：打开 %2 %3（第 %4 行）").arg(from.isEmpty() ? tr("返回") : from, code->second, m_model->name(row)).arg(row));
    emit revealRequested();
}

void QuoteTablePage::showcase()
{
    goToRow(54321);
    auto *menu = new KwMenu("quoteList", true, this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(m_table->viewport()->mapToGlobal(QPoint(300, 150)));
    showResult(tr("滚动到第 54321 行并打开右键菜单"));
}
