#include "charttools/kwpentoolbutton.h"

#include "controlslog_p.h"
#include "charttools/kwsampleline.h"
#include "charttools/pickertext.h"

#include <QButtonGroup>
#include <QDebug>
#include <QMenu>
#include <QWidgetAction>

namespace {
const int itemMargin = 8;
const int iconMargin = 6;
// Wide enough for a sample line to show its pattern: the style's square default would leave
// a stub of four pixels between the margins.
const QSize defaultIconSize(40, 16);

// The list rules both pickers follow, whatever their value: only a non-empty list replaces the
// one offered, one entry per value, and its first value becomes the selection.
template <typename Value, typename AddEntry>
bool replaceItems(QList<Value> &list, Value &selected, const QList<Value> &items, AddEntry addEntry)
{
    if (items.isEmpty())
        return false;
    list = items;
    for (int i = 0; i < items.size(); ++i)
        addEntry(i, items[i]);
    selected = items.first();
    return true;
}

// A value is selected only when the list offers it.
template <typename Value>
bool selectListed(const QList<Value> &list, Value &selected, Value value)
{
    if (!list.contains(value))
        return false;
    selected = value;
    return true;
}
} // namespace

KwPenToolButton::KwPenToolButton(const QSize &iconSize, QWidget *parent)
    : QToolButton(parent)
    , m_group(new QButtonGroup(this))
    , m_menu(new QMenu(this))
    , m_itemIconSize(-1, -1)
{
    setIconSize(iconSize);
    createMenu();
}

KwPenToolButton::KwPenToolButton(QWidget *parent)
    : QToolButton(parent)
    , m_group(new QButtonGroup(this))
    , m_menu(new QMenu(this))
{
    setIconSize(defaultIconSize);
    m_itemIconSize = iconSize();
    createMenu();
}

KwPenToolButton::~KwPenToolButton()
{
    delete m_menu;
}

void KwPenToolButton::createMenu()
{
    setToolButtonStyle(Qt::ToolButtonIconOnly);
    setPopupMode(QToolButton::MenuButtonPopup);
    setMenu(m_menu);
    connect(m_group, &QButtonGroup::idClicked, this, &KwPenToolButton::buttonClicked);
}

QColor KwPenToolButton::color() const
{
    return m_color;
}

void KwPenToolButton::setColor(const QColor &color)
{
    m_color = color;
    qCDebug(lcControls) << "KwPenToolButton set color:" << color;
}

QSize KwPenToolButton::itemIconSize() const
{
    return m_itemIconSize;
}

void KwPenToolButton::setItemIconSize(const QSize &size)
{
    m_itemIconSize = size;
}

void KwPenToolButton::clickedItem(int) { }

void KwPenToolButton::buttonClicked(int id)
{
    m_menu->hide();
    clickedItem(id);
    showEntryIcon(id);
}

QPixmap KwPenToolButton::drawSample(const QSize &size, int margin, const QPen &pen, int y) const
{
    return kwSampleLine(size, pen, QLine(margin, y, size.width() - margin, y), devicePixelRatioF());
}

QPen KwPenToolButton::samplePen() const
{
    QPen pen;
    pen.setColor(m_color);
    return pen;
}

void KwPenToolButton::addEntry(int id, const QPixmap &pixmap, const QString &name)
{
    auto *button = new QToolButton;
    button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    button->setIconSize(m_itemIconSize);
    button->setIcon(QIcon(pixmap));
    kwDescribe(button, name, name);
    auto *action = new QWidgetAction(m_menu);
    action->setDefaultWidget(button);
    m_menu->addAction(action);
    m_group->addButton(button, id);
}

void KwPenToolButton::showEntryIcon(int id)
{
    if (QAbstractButton *entry = m_group->button(id))
        setIcon(entry->icon());
}

KwPenStyleButton::KwPenStyleButton(QWidget *parent)
    : KwPenToolButton(parent)
{
    qRegisterMetaType<Qt::PenStyle>("Qt::PenStyle");
}

void KwPenStyleButton::setItems(const QList<Qt::PenStyle> &items)
{
    const auto addOne = [this](int id, Qt::PenStyle style) {
        addEntry(id, getItemPixmap(style), kwPenStyleName(style));
    };
    if (!replaceItems(m_items, m_penStyle, items, addOne))
        return;
    updateIcon(m_penStyle);
    showEntryIcon(0);
}

void KwPenStyleButton::setPenStyle(Qt::PenStyle style)
{
    if (selectListed(m_items, m_penStyle, style))
        updateIcon(style);
}

Qt::PenStyle KwPenStyleButton::penStyle() const
{
    return m_penStyle;
}

QPixmap KwPenStyleButton::getItemPixmap(Qt::PenStyle style)
{
    QPen pen = samplePen();
    pen.setStyle(style);
    return drawSample(itemIconSize(), itemMargin, pen, itemIconSize().height() / 2);
}

void KwPenStyleButton::updateIcon(Qt::PenStyle style)
{
    QPen pen = samplePen();
    pen.setStyle(style);
    setIcon(drawSample(iconSize(), iconMargin, pen, iconSize().height() / 2));
    kwDescribe(this, tr("线型"), tr("线型：%1").arg(kwPenStyleName(style)));
}

void KwPenStyleButton::clickedItem(int index)
{
    m_penStyle = m_items.value(index, m_penStyle);
    updateIcon(m_penStyle);
    emit penStyleChanged(m_penStyle);
}

KwPenWidthButton::KwPenWidthButton(QWidget *parent)
    : KwPenToolButton(parent)
{
}

void KwPenWidthButton::setItems(const QList<int> &items)
{
    const auto addOne = [this](int id, int width) { addEntry(id, getItemPixmap(width), kwPenWidthName(width)); };
    if (!replaceItems(m_items, m_penWidth, items, addOne))
        return;
    updateIcon(m_penWidth);
    showEntryIcon(0);
}

void KwPenWidthButton::setPenWidth(int width)
{
    if (selectListed(m_items, m_penWidth, width))
        updateIcon(width);
}

int KwPenWidthButton::penWidth() const
{
    return m_penWidth;
}

QPixmap KwPenWidthButton::getItemPixmap(int width)
{
    QPen pen = samplePen();
    pen.setWidth(width);
    return drawSample(itemIconSize(), itemMargin, pen, (itemIconSize().height() - width) / 2);
}

void KwPenWidthButton::updateIcon(int width)
{
    QPen pen = samplePen();
    pen.setWidth(width);
    setIcon(drawSample(iconSize(), iconMargin, pen, (iconSize().height() - width) / 2));
    kwDescribe(this, tr("线宽"), tr("线宽：%1").arg(kwPenWidthName(width)));
}

void KwPenWidthButton::clickedItem(int index)
{
    m_penWidth = m_items.value(index, m_penWidth);
    updateIcon(m_penWidth);
    emit penWidthChanged(m_penWidth);
}
