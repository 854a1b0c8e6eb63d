#include "widgets/drawkeycanvas.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QTextOption>
#include <QWheelEvent>

namespace {
constexpr int textLeft = 22;
constexpr int titleTop = 10;
constexpr int firstRowTop = 30;
constexpr int textIndent = 6;

QFont pixelFont(const QString &family, int pixelSize, QFont::Weight weight)
{
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    return font;
}
} // namespace

DrawKeyCanvas::DrawKeyCanvas(QWidget *parent)
    : QFrame(parent)
{
    setFixedHeight(emptyHeight);
}

void DrawKeyCanvas::setItems(const QList<KeyItem> &newItems)
{
    items = newItems;
    // Rows that are gone must not answer clicks before the next paint.
    rowRects.clear();
    setFixedHeight(items.isEmpty() ? emptyHeight : (items.size() + 2) * rowHeight);
    update();
}

QList<DrawKeyCanvas::KeyItem> DrawKeyCanvas::getItems() const
{
    return items;
}

void DrawKeyCanvas::setTitle(const QString &text)
{
    title = text;
    update();
}

QString DrawKeyCanvas::getTitle() const
{
    return title;
}

void DrawKeyCanvas::setNotice(const QString &text)
{
    notice = text;
    update();
}

QString DrawKeyCanvas::getNotice() const
{
    return notice;
}

int DrawKeyCanvas::getSelectedIndex() const
{
    return selectedIndex;
}

QMap<int, QRect> DrawKeyCanvas::getRowRects() const
{
    return rowRects;
}

QRect DrawKeyCanvas::rowRect(int row) const
{
    return QRect(textLeft, firstRowTop + rowHeight * row, width(), rowHeight);
}

void DrawKeyCanvas::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor("#191919"));

    painter.setFont(pixelFont("SimSun", 14, QFont::Normal));
    painter.setPen(m_innerTitleClr);
    painter.drawText(QRectF(textLeft, titleTop, width(), rowHeight), title, QTextOption());

    painter.setPen(m_contenTextClr);
    if (!notice.isEmpty())
        painter.drawText(rowRect(0).adjusted(textIndent, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, notice);

    const int half = int(width() * 0.5);
    const QFont valueFont = pixelFont("Arial", 13, QFont::Bold);
    const QFont nameFont = pixelFont("SimSun", 14, QFont::Normal);
    for (int i = 0; i < items.size(); ++i) {
        const QRect row = rowRect(i);
        rowRects.insert(i, row);
        painter.setFont(valueFont);
        painter.drawText(row.adjusted(textIndent, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, items.at(i).first);
        painter.setFont(nameFont);
        painter.drawText(row.adjusted(half + textIndent, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                         items.at(i).second);
    }
}

void DrawKeyCanvas::mousePressEvent(QMouseEvent *event)
{
    for (auto it = rowRects.cbegin(); it != rowRects.cend(); ++it) {
        if (it.value().contains(event->pos())) {
            selectedIndex = it.key();
            update();
            break;
        }
    }
    QFrame::mousePressEvent(event);
}

void DrawKeyCanvas::wheelEvent(QWheelEvent *event)
{
    // One notch moves as many rows as the system's wheel setting says.
    const int pixels = -event->angleDelta().y() * QApplication::wheelScrollLines() * rowHeight / 120;
    if (pixels == 0) {
        event->ignore();
        return;
    }
    event->accept();
    emit signalJustScrollValue(pixels);
}
