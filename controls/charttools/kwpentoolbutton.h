#pragma once

/// \file
/// KwPenToolButton and its pen style and pen width pickers.

#include "kwcontrols_export.h"

#include <QColor>
#include <QList>
#include <QSize>
#include <QToolButton>

class QButtonGroup;
class QMenu;

/// A tool button whose drop-down menu offers sample lines drawn in the button's colour. The
/// entries report their position in the item list (0, 1, 2, ...).
///
/// The base of KwPenStyleButton and KwPenWidthButton, which fill the menu and say what a pick
/// means. A subclass adds entries with addEntry() and reimplements clickedItem(); a pick
/// closes the menu, calls clickedItem() and shows the entry's picture on the button.
///
/// Ownership: the button owns its menu and the entries in it. GUI thread only.
/// \ingroup charttools
class KWCONTROLS_EXPORT KwPenToolButton : public QToolButton
{
    Q_OBJECT
    Q_PROPERTY(QColor color READ color WRITE setColor)

public:
    /// Makes a button with an icon of `iconSize`.
    ///
    /// The entries' size is left unset (an invalid QSize, which draws no sample): call
    /// setItemIconSize() before adding entries.
    KwPenToolButton(const QSize &iconSize, QWidget *parent = nullptr);
    /// Makes a button whose icon and entries are 40 x 16 pixels.
    explicit KwPenToolButton(QWidget *parent = nullptr);
    /// Deletes the menu.
    ~KwPenToolButton() override;

    /// The colour the sample lines are drawn in (the `color` property), white by default.
    QColor color() const;
    /// Sets the colour of the sample lines.
    ///
    /// Applies to samples drawn from now on; entries already built keep their colour.
    void setColor(const QColor &color);
    /// The size of the entries' pictures.
    QSize itemIconSize() const;
    /// Sets the size of the entries' pictures.
    ///
    /// Applies to entries built from now on.
    void setItemIconSize(const QSize &size);

    /// Called when the user picks the entry at `index`; does nothing here.
    virtual void clickedItem(int index);

protected slots:
    /// Closes the menu, calls clickedItem() with `id` and shows that entry's picture on the
    /// button; connected to the entries' clicks.
    void buttonClicked(int id);

protected:
    /// One line from (margin, y) to (width - margin, y) on a transparent pixmap of `size`,
    /// drawn by kwSampleLine() for the button's screen.
    QPixmap drawSample(const QSize &size, int margin, const QPen &pen, int y) const;
    /// A default pen (solid, one pixel) in color().
    QPen samplePen() const;
    /// Appends an entry under `id` showing `pixmap` at itemIconSize().
    ///
    /// `name` becomes the entry's accessible name and tooltip: its face is only a picture.
    void addEntry(int id, const QPixmap &pixmap, const QString &name);
    /// Shows the picture of the entry under `id` on the button; an unknown id is ignored.
    void showEntryIcon(int id);

private:
    void createMenu();

    QButtonGroup *m_group;
    QMenu *m_menu;
    QColor m_color = Qt::white;
    QSize m_itemIconSize;
};

/// Offers pen styles; the sample lines sit in the middle of their pixmaps.
///
/// \code
/// auto *style = new KwPenStyleButton(toolbar);
/// style->setColor(Qt::yellow);                 // before setItems(): samples take it then
/// style->setItems({Qt::SolidLine, Qt::DashLine, Qt::DotLine});
/// connect(style, &KwPenStyleButton::penStyleChanged, chart, &Chart::setPenStyle);
/// \endcode
///
/// GUI thread only.
/// \ingroup charttools
class KWCONTROLS_EXPORT KwPenStyleButton : public KwPenToolButton
{
    Q_OBJECT

public:
    /// Makes a button without entries; registers Qt::PenStyle with the meta-type system.
    explicit KwPenStyleButton(QWidget *parent = nullptr);

    /// Makes one entry per style, in order, and selects the first (without signal).
    ///
    /// Meant to be called once: later calls add entries behind the earlier ones. An empty
    /// list changes nothing.
    void setItems(const QList<Qt::PenStyle> &items);
    /// Selects `style` and shows it on the button.
    ///
    /// Styles missing from the list are ignored; no signal.
    void setPenStyle(Qt::PenStyle style);
    /// The style selected; Qt::NoPen before setItems().
    Qt::PenStyle penStyle() const;

    /// The picture of the entry for `style`: a line across the middle of itemIconSize().
    virtual QPixmap getItemPixmap(Qt::PenStyle style);
    /// Shows `style` on the button and names it for accessibility (线型).
    virtual void updateIcon(Qt::PenStyle style);
    /// Selects the style at `index` and emits penStyleChanged().
    void clickedItem(int index) override;

signals:
    /// Emitted when the user picks an entry, with its style (also when it was selected
    /// already); not by setPenStyle() or setItems().
    void penStyleChanged(const Qt::PenStyle &penStyle);

private:
    QList<Qt::PenStyle> m_items;
    Qt::PenStyle m_penStyle = Qt::NoPen;
};

/// Offers line widths in pixels; a thicker sample line is centred by moving it up.
///
/// Used like KwPenStyleButton, with widths: `setItems({1, 2, 3})`, penWidthChanged().
/// GUI thread only.
/// \ingroup charttools
class KWCONTROLS_EXPORT KwPenWidthButton : public KwPenToolButton
{
    Q_OBJECT

public:
    /// Makes a button without entries.
    explicit KwPenWidthButton(QWidget *parent = nullptr);

    /// Makes one entry per width, in order, and selects the first (without signal).
    ///
    /// As KwPenStyleButton::setItems.
    void setItems(const QList<int> &items);
    /// Selects `width` and shows it on the button.
    ///
    /// Widths missing from the list are ignored; no signal.
    void setPenWidth(int width);
    /// The width selected, in pixels; 0 before setItems().
    int penWidth() const;

    /// The picture of the entry for `width`: a solid line that thick, centred in
    /// itemIconSize().
    virtual QPixmap getItemPixmap(int width);
    /// Shows `width` on the button and names it for accessibility (线宽).
    virtual void updateIcon(int width);
    /// Selects the width at `index` and emits penWidthChanged().
    void clickedItem(int index) override;

signals:
    /// Emitted when the user picks an entry, with its width in pixels (also when it was
    /// selected already); not by setPenWidth() or setItems().
    void penWidthChanged(int width);

private:
    QList<int> m_items;
    int m_penWidth = 0;
};
