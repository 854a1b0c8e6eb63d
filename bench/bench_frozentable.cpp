// Dragging the outside vertical bar of a frozen table from its first to its last value on a
// long model, against the floor of hiding rows one by one (a plain table hiding the same rows
// with its header's updates suspended once) and against a plain table scrolling to its bottom.

#include "dataview/frozentableview.h"
#include "figures.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QHeaderView>
#include <QScrollBar>

#include <memory>

namespace {

constexpr int FrozenRows = 2;

class LongModel : public QAbstractTableModel
{
public:
    explicit LongModel(int rows)
        : m_rows(rows)
    {
    }
    int rowCount(const QModelIndex &parent = QModelIndex()) const override { return parent.isValid() ? 0 : m_rows; }
    int columnCount(const QModelIndex &parent = QModelIndex()) const override { return parent.isValid() ? 0 : 8; }
    QVariant data(const QModelIndex &index, int role) const override
    {
        return role == Qt::DisplayRole ? QVariant(index.row() * 10 + index.column()) : QVariant();
    }

private:
    int m_rows;
};

struct FrozenPage
{
    QWidget window;
    QScrollBar *hbar = new QScrollBar(Qt::Horizontal, &window);
    QScrollBar *vbar = new QScrollBar(Qt::Vertical, &window);
    FrozenTableView *view = new FrozenTableView(hbar, vbar, &window);

    explicit FrozenPage(QAbstractItemModel *model)
    {
        view->setFrozenColCount(1);
        view->setFrozenRowCount(FrozenRows);
        view->setModel(model);
        view->setGeometry(0, 0, 780, 560);
        hbar->setGeometry(0, 570, 780, 16);
        vbar->setGeometry(784, 0, 16, 560);
        window.resize(800, 600);
        window.show();
        QApplication::processEvents();
    }
};

struct PlainPage
{
    QTableView view;
    explicit PlainPage(QAbstractItemModel *model)
    {
        view.setModel(model);
        view.resize(780, 560);
        view.show();
        QApplication::processEvents();
    }
    void setRowsHidden(int from, int to, bool hide)
    {
        QHeaderView *header = view.verticalHeader();
        header->setUpdatesEnabled(false);
        for (int row = from; row < to; ++row)
            view.setRowHidden(row, hide);
        header->setUpdatesEnabled(true);
    }
};

// The rows a jump to the end hides: from the first scrollable row to the bar's maximum.
int jumpTarget(int rows)
{
    static std::map<int, int> targets;
    auto it = targets.find(rows);
    if (it == targets.end()) {
        LongModel model(rows);
        FrozenPage page(&model);
        it = targets.emplace(rows, page.vbar->maximum()).first;
    }
    return it->second;
}

void BM_FrozenJump(benchmark::State &state)
{
    LongModel model(int(state.range(0)));
    FrozenPage page(&model);
    for (auto _ : state) {
        page.vbar->setValue(page.vbar->maximum());
        QApplication::processEvents();
        state.PauseTiming();
        page.vbar->setValue(page.vbar->minimum());
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

void BM_HideFloor(benchmark::State &state)
{
    const int rows = int(state.range(0));
    const int target = jumpTarget(rows);
    LongModel model(rows);
    PlainPage page(&model);
    for (auto _ : state) {
        page.setRowsHidden(FrozenRows, target, true);
        QApplication::processEvents();
        state.PauseTiming();
        page.setRowsHidden(FrozenRows, target, false);
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

void BM_PlainBottom(benchmark::State &state)
{
    LongModel model(int(state.range(0)));
    PlainPage page(&model);
    for (auto _ : state) {
        page.view.scrollToBottom();
        QApplication::processEvents();
        state.PauseTiming();
        page.view.scrollToTop();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK(BM_FrozenJump)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_HideFloor)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_PlainBottom)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(5);

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const auto t = kwbench::runMedians(argc, argv);
    const double jump = t.at("BM_FrozenJump/100000/iterations:5");
    const double jumpSmall = t.at("BM_FrozenJump/10000/iterations:5");
    const double floor = t.at("BM_HideFloor/100000/iterations:5");
    kwbench::figure("jump_ms", jump / 1e6);
    kwbench::figure("jump_10k_ms", jumpSmall / 1e6);
    kwbench::figure("hide_floor_ms", floor / 1e6);
    kwbench::figure("jump_ratio", jump / floor);
    kwbench::figure("jump_growth", jump / jumpSmall);
    kwbench::figure("plain_bottom_ms", t.at("BM_PlainBottom/100000/iterations:5") / 1e6);
    return 0;
}
