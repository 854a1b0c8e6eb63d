#pragma once

#include "kwcontrols_export.h"
#include "window/basewidget.h"

#include <QFont>
#include <QMetaType>
#include <QPen>
#include <QString>
#include <QVector>

// One piece of text of the panel, found again by its key.
struct KWCONTROLS_EXPORT DrawLineTextItem
{
    QFont font;
    QPen pen;
    QString text;
    QString key;
    int spacing = 0;    // gap in pixels before the piece
};

Q_DECLARE_METATYPE(DrawLineTextItem)

// A strip drawing short texts side by side, left to right, each in its own font and pen.
// The trailing bool of each operation says whether to repaint.
class KWCONTROLS_EXPORT DrawLineTextPanel : public BaseWidget
{
    Q_OBJECT

public:
    explicit DrawLineTextPanel(QWidget *parent = 0);

    // Ignored when the key is empty or already present.
    void addItem(const DrawLineTextItem &item, bool update);
    void addItems(const QVector<DrawLineTextItem> &items, bool update);
    // Replaces the item with the same key; unknown keys are ignored. Repaints at once.
    void setItem(const DrawLineTextItem &item, bool repaint);
    // A default item (empty key) when the key is unknown.
    DrawLineTextItem getItem(const QString &key) const;
    void remove(const QString &key, bool update);
    void removeAll(bool update);

    // Room for every item side by side, as tall as the tallest font.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    int indexOfItem(const QString &key) const;
    void redraw();
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    struct Entry
    {
        DrawLineTextItem item;
        int width = 0;
    };
    Entry measured(const DrawLineTextItem &item) const;

    QVector<Entry> m_items;
};
