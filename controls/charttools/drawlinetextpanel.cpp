#include "charttools/drawlinetextpanel.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>

DrawLineTextPanel::DrawLineTextPanel(QWidget *parent)
    : BaseWidget(parent, "")
{
    qRegisterMetaType<DrawLineTextItem>("DrawLineTextItem");
}

// Measured in the font the painter will really use (the item's font completed by the panel's)
// and by advance, not by ink: the ink box of "#ff0000" ends before the advance does, and a
// rectangle that narrow cuts the last glyph.
DrawLineTextPanel::Entry DrawLineTextPanel::measured(const DrawLineTextItem &item) const
{
    const QFontMetrics metrics(item.font.resolve(font()), this);
    return Entry{item, metrics.horizontalAdvance(item.text)};
}

QSize DrawLineTextPanel::sizeHint() const
{
    int width = 0;
    int height = fontMetrics().height();
    int overhang = 0;
    for (const Entry &entry : m_items) {
        const QFontMetrics metrics(entry.item.font.resolve(font()), this);
        width += entry.item.spacing + entry.width;
        height = qMax(height, metrics.height());
        // Only the last piece's lean past its advance needs room of its own.
        overhang = qMax(0, metrics.boundingRect(entry.item.text).right() + 1 - entry.width);
    }
    return QSize(width + overhang, height + 4);
}

QSize DrawLineTextPanel::minimumSizeHint() const
{
    return QSize(0, sizeHint().height());
}

void DrawLineTextPanel::addItem(const DrawLineTextItem &item, bool update)
{
    if (item.key.isEmpty() || indexOfItem(item.key) >= 0)
        return;
    m_items.append(measured(item));
    updateGeometry();
    if (update)
        this->update();
}

void DrawLineTextPanel::addItems(const QVector<DrawLineTextItem> &items, bool update)
{
    for (const DrawLineTextItem &item : items)
        addItem(item, false);
    if (update)
        this->update();
}

void DrawLineTextPanel::setItem(const DrawLineTextItem &item, bool repaint)
{
    const int index = indexOfItem(item.key);
    if (index < 0)
        return;
    m_items[index] = measured(item);
    updateGeometry();
    if (repaint)
        this->repaint();
}

DrawLineTextItem DrawLineTextPanel::getItem(const QString &key) const
{
    const int index = indexOfItem(key);
    return index < 0 ? DrawLineTextItem() : m_items[index].item;
}

void DrawLineTextPanel::remove(const QString &key, bool update)
{
    const int index = indexOfItem(key);
    if (index < 0)
        return;
    m_items.remove(index);
    updateGeometry();
    if (update)
        this->update();
}

void DrawLineTextPanel::removeAll(bool update)
{
    m_items.clear();
    updateGeometry();
    if (update)
        this->update();
}

int DrawLineTextPanel::indexOfItem(const QString &key) const
{
    for (int i = 0; i < m_items.size(); ++i) {
        if (m_items[i].item.key == key)
            return i;
    }
    return -1;
}

void DrawLineTextPanel::redraw()
{
    QPainter painter(this);
    int right = 0;
    for (const Entry &entry : qAsConst(m_items)) {
        painter.setFont(entry.item.font);
        painter.setPen(entry.item.pen);
        const QRect rect(right + entry.item.spacing, 0, entry.width, height());
        // An italic glyph may lean past its advance: let it, rather than cut it off.
        painter.drawText(rect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip, entry.item.text);
        // The next piece starts where this one's rectangle ends.
        right = rect.x() + rect.width();
    }
}

void DrawLineTextPanel::paintEvent(QPaintEvent *event)
{
    BaseWidget::paintEvent(event);
    redraw();
}

// The widths depend on the panel's font wherever an item's font leaves something unset.
void DrawLineTextPanel::changeEvent(QEvent *event)
{
    BaseWidget::changeEvent(event);
    if (event->type() != QEvent::FontChange)
        return;
    for (Entry &entry : m_items)
        entry = measured(entry.item);
    updateGeometry();
    update();
}

void DrawLineTextPanel::resizeEvent(QResizeEvent *event)
{
    BaseWidget::resizeEvent(event);
    update();
}
