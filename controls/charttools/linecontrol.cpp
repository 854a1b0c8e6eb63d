#include "charttools/linecontrol.h"

#include "charttools/kwsampleline.h"
#include "charttools/pickertext.h"

#include <QMenu>
#include <QVBoxLayout>

#include <functional>

namespace {
const QSize pickerIconSize(80, 12);

QIcon pickerIcon(const QWidget *control, int width, Qt::PenStyle style)
{
    QPen pen(Qt::white);
    pen.setWidth(width);
    pen.setStyle(style);
    return QIcon(kwSampleLine(pickerIconSize, pen, QLine(5, 5, 63, 5), control->devicePixelRatioF()));
}

// What a picker is called and how it names one of its values (1, 2, ...).
struct PickerWords
{
    QString name;
    std::function<QString(int)> value;
};

void describeValue(QToolButton *control, const PickerWords &words, const QString &value)
{
    kwDescribe(control, words.name, LineControl::tr("%1：%2").arg(words.name, value));
}

// Gives `control` its face and a menu of one entry per pen; clicking entry k shows its icon
// on the control and passes k + 1 to `report`. Returns the entries in value order.
QVector<QToolButton *> buildPicker(QToolButton *control, int iconPenWidth, const QVector<QPen> &pens,
                                   const PickerWords &words, const std::function<void(int)> &report)
{
    control->setIconSize(pickerIconSize);
    control->setToolButtonStyle(Qt::ToolButtonIconOnly);
    control->setPopupMode(QToolButton::MenuButtonPopup);
    control->setIcon(pickerIcon(control, iconPenWidth, Qt::SolidLine));
    // The first face is the first entry's picture: width 1, solid.
    describeValue(control, words, words.value(1));

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
        entry->setIcon(pickerIcon(control, pens[k].width(), pens[k].style()));
        const QString value = words.value(k + 1);
        kwDescribe(entry, value, value);
        layout->addWidget(entry);
        entries.append(entry);
        QObject::connect(entry, &QToolButton::clicked, control, [control, menu, entry, words, value, k, report] {
            menu->hide();
            control->setIcon(entry->icon());
            describeValue(control, words, value);
            report(k + 1);
        });
    }
    control->setMenu(menu);
    return entries;
}

void showEntry(QToolButton *control, const QVector<QToolButton *> &entries, const PickerWords &words, int value)
{
    if (value < 1 || value > entries.size())
        return;
    control->setIcon(entries[value - 1]->icon());
    describeValue(control, words, words.value(value));
}

// Made when asked for, not when the library is loaded: the words follow the catalogue installed
// by then.
PickerWords widthWords()
{
    return {LineControl::tr("线条粗细"), [](int width) { return kwPenWidthName(width); }};
}

PickerWords styleWords()
{
    return {LineTypeControl::tr("线条种类"), [](int style) { return kwPenStyleName(Qt::PenStyle(style)); }};
}
} // namespace

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
    m_entries = buildPicker(this, m_iconPenWidth, pens, widthWords(), [this](int width) { emit setLineWidth(width); });
    m_firstMenuBtn = m_entries.first();
}

void LineControl::setDefalutLineWidth(const int &width)
{
    showEntry(this, m_entries, widthWords(), width);
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
    m_entries = buildPicker(this, m_iconPenWidth, pens, styleWords(),
                            [this](int style) { emit setLineStyle(Qt::PenStyle(style)); });
    m_firstMenuBtn = m_entries.first();
}

void LineTypeControl::setDefaultPenStyle(const Qt::PenStyle &style)
{
    showEntry(this, m_entries, styleWords(), int(style));
}
