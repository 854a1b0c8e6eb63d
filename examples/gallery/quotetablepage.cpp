#include "quotetablepage.h"
#include "quotemodel.h"

#include "dataview/frozentableview.h"
#include "dataview/kwmenu.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QScrollBar>

namespace {
constexpr int FrozenCols = 3;
}

QuoteTablePage::QuoteTablePage(QWidget *parent)
    : GalleryPage(
              tr("行情表"),
              tr("FrozenTableView 显示 100,000 行生成的行情：两行指数和前三列固定不动；点列头按该列排序，再点一次反向。右键打开按内置配置 \"quoteList\" 生成的 KwMenu。"),
              parent, "quotes")
    , m_model(new QuoteModel)
    , m_hbar(new QScrollBar(Qt::Horizontal))
    , m_vbar(new QScrollBar(Qt::Vertical))
    , m_table(new FrozenTableView(m_hbar, m_vbar))
{
    m_model->setParent(this);
    m_table->setObjectName("quoteTable");
    m_table->verticalHeader()->hide();
    m_table->setFrozenColCount(FrozenCols);
    m_table->setFrozenRowCount(QuoteModel::IndexRows);
    m_table->setModel(m_model);
    // The arrow starts where the list is: by serial number, smallest first.
    m_table->horizontalHeader()->setSortIndicator(0, Qt::AscendingOrder);
    fitSections();
    // Tab leaves the list for the next control: moving the current cell sideways in a list
    // that selects whole rows shows nothing.
    m_table->setTabKeyNavigation(false);
    m_table->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_table, &QWidget::customContextMenuRequested, this, &QuoteTablePage::openMenu);
    connect(m_table, &FrozenBaseTableView::currentItemChanged, this,
            [this](const QModelIndex &index) { showResult(tr("当前：%1").arg(describe(index.row()))); });
    // A new order is read from its top, as in any quote list; the selected stock stays selected.
    connect(m_table->horizontalHeader(), &QHeaderView::sortIndicatorChanged, this,
            [this](int column, Qt::SortOrder order) {
                m_vbar->setValue(m_vbar->minimum());
                showResult(tr("按“%1”%2排列")
                                   .arg(m_model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString(),
                                        order == Qt::AscendingOrder ? tr("升序") : tr("降序")));
            });

    auto *grid = new QGridLayout;
    grid->setSpacing(0);
    grid->addWidget(m_table, 0, 0);
    grid->addWidget(m_vbar, 0, 1);
    grid->addWidget(m_hbar, 1, 0);
    content()->addLayout(grid, 1);
}

// Rows and columns are measured in the table's font, so a larger system font widens the
// columns instead of cutting their titles and figures.
void QuoteTablePage::fitSections()
{
    m_table->ensurePolished();
    QHeaderView *header = m_table->horizontalHeader();
    header->ensurePolished();
    const QFontMetrics metrics = m_table->fontMetrics();
    m_table->verticalHeader()->setDefaultSectionSize(metrics.height() + 10);
    // The widest texts of the columns: a serial, a code, a name, the largest figures.
    const QStringList widest{"100000", "000000", "中国平安银", "000000.00"};
    for (int column = 0; column < m_model->columnCount(); ++column) {
        const int cell = metrics.horizontalAdvance(widest[qMin(column, widest.size() - 1)]) + 16;
        m_table->setColumnWidth(column, qMax(cell, header->sectionSizeHint(column)));
    }
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

// The row as the table shows it: what the `序号` column says, then code and name.
QString QuoteTablePage::describe(int row) const
{
    // The indices never move: sorting orders the stocks below them.
    const QString serial = row < QuoteModel::IndexRows ? m_model->serial(row) : tr("序号 %1").arg(m_model->serial(row));
    return serial + ' ' + m_model->code(row) + ' ' + m_model->name(row);
}

void QuoteTablePage::goToRow(int row)
{
    m_vbar->setValue(qMax(0, row - QuoteModel::IndexRows - 3));
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
    showResult(tr("来自 %1 的消息：打开 %2").arg(from.isEmpty() ? tr("返回") : from, describe(row)));
    emit revealRequested();
}

void QuoteTablePage::showcase()
{
    goToRow(m_model->rowOfSerial(54321));
    auto *menu = new KwMenu("quoteList", true, this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(m_table->viewport()->mapToGlobal(QPoint(300, 150)));
    showResult(tr("滚动到序号 54321 并打开右键菜单"));
}
