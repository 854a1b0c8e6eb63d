#include "charttools/linecontrol.h"

#include "charttools/kwsampleline.h"

#include <QMenu>
#include <QVBoxLayout>

#include <functional>

namespace {
const QSize pickerIconSize(80, 12);

QIcon pickerIcon(int width, Qt::PenStyle style)
{
    QPen pen(Qt::white);
    pen.setWidth(width);
    pen.setStyle(style);
    return QIcon(kwSampleLine(pickerIconSize, pen, QLine(5, 5, 63, 5)));
}

// Gives `control` its face and a menu of one entry per pen; clicking entry k shows its icon
// on the control and passes k + 1 to `report`. Returns the entries in value order.
QVector<QToolButton *> buildPicker(QToolButton *control, int iconPenWidth, const QVector<QPen> &pens,
                                   const std::function<void(int)> &report)
{
    control->setIconSize(pickerIconSize);
    control->setToolButtonStyle(Qt::ToolButtonIconOnly);
    control->setPopupMode(QToolButton::MenuButtonPopup);
    control->setIcon(pickerIcon(iconPenWidth, Qt::SolidLine));

    auto *menu = new QMenu(control);
    auto *layout = new QVBoxLayout(menu);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(0);
    QVector<QToolButton *> entries;
    for (int k = 0; k < pens.size(); ++k) {
        auto *entry = new QToolButton;
        entry->setObjectName(QString("menubtn%1").arg(k + 1));
        entry->setToolButtonStyle(Qt::ToolButtonIconOnly);
        entry->setIconSize(pickerIconSize);
        entry->setIcon(pickerIcon(pens[k].width(), pens[k].style()));
        layout->addWidget(entry);
        entries.append(entry);
        QObject::connect(entry, &QToolButton::clicked, control, [control, menu, entry, k, report] {
            menu->hide();
            control->setIcon(entry->icon());
            report(k + 1);
        });
    }
    control->setMenu(menu);
    return entries;
}

void showEntry(QToolButton *control, const QVector<QToolButton *> &entries, int value)
{
    if (value >= 1 && value <= entries.size())
        control->setIcon(entries[value - 1]->icon());
}
}

LineControl::LineControl(QWidget *parent)
    : QToolButton(parent)
{
    createWg();
}

void LineControl::createWg()
{
    QVector<QPen> pens;
    for (int width = 1; width <= 4; ++width)
        pens.append(QPen(QBrush(Qt::white), width, Qt::SolidLine));
    m_entries = buildPicker(this, m_iconPenWidth, pens, [this](int width) { emit setLineWidth(width); });
    m_firstMenuBtn = m_entries.first();
}

void LineControl::setDefalutLineWidth(const int &width)
{
    showEntry(this, m_entries, width);
}

LineTypeControl::LineTypeControl(QWidget *parent)
    : QToolButton(parent)
{
    qRegisterMetaType<Qt::PenStyle>("Qt::PenStyle");
    createWg();
}

void LineTypeControl::createWg()
{
    QVector<QPen> pens;
    for (int style = Qt::SolidLine; style <= Qt::DashDotDotLine; ++style)
        pens.append(QPen(QBrush(Qt::white), 1, Qt::PenStyle(style)));
    m_entries = buildPicker(this, m_iconPenWidth, pens,
                            [this](int style) { emit setLineStyle(Qt::PenStyle(style)); });
    m_firstMenuBtn = m_entries.first();
}

void LineTypeControl::setDefaultPenStyle(const Qt::PenStyle &style)
{
    showEntry(this, m_entries, int(style));
}
