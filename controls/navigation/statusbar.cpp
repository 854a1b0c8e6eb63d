#include "navigation/statusbar.h"

#include <QGridLayout>

namespace {
struct Cell
{
    const char *name;
    int row, column, columnSpan;
    int fixedWidth; // 0: the width follows the layout
    bool expanding;
    Qt::Alignment alignment;
};

const Cell cells[] = {
        {"zeroRowCol0", 0, 0, 5, 0, false, Qt::Alignment()},   {"FirstRowCol0", 1, 0, 1, 28, false, Qt::Alignment()},
        {"shortCut", 1, 1, 1, 28, false, Qt::Alignment()},     {"FirstRowCol1", 1, 2, 1, 0, true, Qt::Alignment()},
        {"FirstRowCol2", 1, 3, 1, 200, false, Qt::AlignRight}, {"FirstRowCol3", 1, 4, 1, 90, false, Qt::AlignRight},
};
} // namespace

StatusBar::StatusBar(QWidget *parent, QString name)
    : BaseWidget(parent, name)
    , m_layout(new QGridLayout(this))
{
    m_layout->setSpacing(0);
    m_layout->setContentsMargins(0, 0, 0, 0);
    setFixedHeight(41);
    for (const Cell &cell : cells) {
        auto *widget = new QWidget;
        widget->setObjectName(cell.name);
        if (cell.fixedWidth > 0)
            widget->setFixedWidth(cell.fixedWidth);
        if (cell.expanding)
            widget->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
        m_layout->addWidget(widget, cell.row, cell.column, 1, cell.columnSpan, cell.alignment);
    }
}

QWidget *StatusBar::widgetAtPosition(const int &row, const int &column)
{
    QLayoutItem *item = m_layout->itemAtPosition(row, column);
    return item ? item->widget() : nullptr;
}
