#pragma once

/// \file
/// DrawLineTextPanel, a strip of short texts each in its own font and pen, and its DrawLineTextItem.

#include "kwcontrols_export.h"
#include "window/basewidget.h"

#include <QFont>
#include <QMetaType>
#include <QPen>
#include <QString>
#include <QVector>

/// One piece of text of the panel, found again by its key.
/// \ingroup charttools
struct KWCONTROLS_EXPORT DrawLineTextItem
{
    /// The font of the piece; what it leaves unset comes from the panel's font.
    QFont font;
    /// The pen the text is drawn with (its colour, mostly).
    QPen pen;
    /// The text drawn.
    QString text;
    /// The name the panel finds the piece by; an empty key is refused by addItem().
    QString key;
    /// The gap in pixels before the piece.
    int spacing = 0; // gap in pixels before the piece
};

Q_DECLARE_METATYPE(DrawLineTextItem)

/// A strip drawing short texts side by side, left to right, each in its own font and pen.
/// The trailing bool of each operation says whether to repaint.
///
/// A chart may use it as its legend: the indicator's name, then each line's name and value in
/// the line's colour. Each piece is vertically centred and starts where the one
/// before it ends, after its own spacing; the panel asks for room for them all
/// (sizeHint()).
///
/// \code
/// auto *legend = new DrawLineTextPanel(chart);
/// DrawLineTextItem ma5;
/// ma5.key = "MA5";
/// ma5.text = "MA5: 12.35";
/// ma5.pen = QPen(Qt::yellow);
/// ma5.spacing = 8;
/// legend->addItem(ma5, true);
/// ma5.text = "MA5: 12.41";
/// legend->setItem(ma5, true);     // on the next crosshair move
/// \endcode
///
/// The panel joins the message bus without a name. GUI thread only.
/// \ingroup charttools
class KWCONTROLS_EXPORT DrawLineTextPanel : public BaseWidget
{
    Q_OBJECT

public:
    /// Makes an empty panel; registers DrawLineTextItem with the meta-type system.
    explicit DrawLineTextPanel(QWidget *parent = 0);

    /// Appends `item` after the others; `update` schedules a repaint.
    ///
    /// Ignored when the key is empty or already present.
    void addItem(const DrawLineTextItem &item, bool update);
    /// Appends each of `items` as addItem() does; `update` schedules one repaint at the end.
    void addItems(const QVector<DrawLineTextItem> &items, bool update);
    /// Replaces the item with the same key, in its place; unknown keys are ignored.
    ///
    /// With `repaint` true the panel repaints at once (QWidget::repaint()), not at the next
    /// event loop pass: for values that follow the crosshair. Otherwise the change shows at the
    /// next repaint.
    void setItem(const DrawLineTextItem &item, bool repaint);
    /// The item under `key`; a default item (empty key) when the key is unknown.
    DrawLineTextItem getItem(const QString &key) const;
    /// Removes the item under `key`, if any; `update` schedules a repaint.
    void remove(const QString &key, bool update);
    /// Removes every item; `update` schedules a repaint.
    void removeAll(bool update);

    /// Room for every item side by side, as tall as the tallest font.
    ///
    /// Widths are the texts' advances plus spacings, with room for an italic last piece to
    /// lean past its advance; the height is the tallest font's (or the panel's) plus 4 pixels.
    QSize sizeHint() const override;
    /// No width at all (the panel may be squeezed; pieces beyond its edge are cut), the height
    /// of sizeHint().
    QSize minimumSizeHint() const override;

protected:
    /// The position of the item under `key`, or -1.
    int indexOfItem(const QString &key) const;
    /// Paints the items on the panel; for paintEvent() only (it opens a painter on the panel).
    void redraw();
    /// Paints the style sheet's background and border, then the items.
    void paintEvent(QPaintEvent *event) override;
    /// Repaints at the new size.
    void resizeEvent(QResizeEvent *event) override;
    /// Measures the items again when the panel's font changes, since they inherit from it.
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
