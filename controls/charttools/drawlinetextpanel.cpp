#include "charttools/drawlinetextpanel.h"

#include <QFontMetrics>
#include <QPainter>

DrawLineTextPanel::DrawLineTextPanel(QWidget *parent)
    : BaseWidget(parent, "")
{
    qRegisterMetaType<DrawLineTextItem>("DrawLineTextItem");
}

DrawLineTextPanel::Entry DrawLineTextPanel::measured(const DrawLineTextItem &item)
{
    return Entry{item, QFontMetrics(item.font).boundingRect(item.text).width()};
}

void DrawLineTextPanel::addItem(const DrawLineTextItem &item, bool update)
{
    if (item.key.isEmpty() || indexOfItem(item.key) >= 0)
        return;
    m_items.append(measured(item));
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
    if (update)
        this->update();
}

void DrawLineTextPanel::removeAll(bool update)
{
    m_items.clear();
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
        painter.drawText(rect, Qt::AlignLeft | Qt::AlignVCenter, entry.item.text);
        // The next piece starts where this one's rectangle ends.
        right = rect.x() + rect.width();
    }
}

void DrawLineTextPanel::paintEvent(QPaintEvent *event)
{
    BaseWidget::paintEvent(event);
    redraw();
}

void DrawLineTextPanel::resizeEvent(QResizeEvent *event)
{
    BaseWidget::resizeEvent(event);
    update();
}
