#pragma once

#include "kwcontrols_export.h"

#include <QColor>
#include <QList>
#include <QSize>
#include <QToolButton>

class QButtonGroup;
class QMenu;

// A tool button whose drop-down menu offers sample lines drawn in the button's colour. The
// entries report their position in the item list (0, 1, 2, ...).
class KWCONTROLS_EXPORT KwPenToolButton : public QToolButton
{
    Q_OBJECT
    Q_PROPERTY(QColor color READ color WRITE setColor)

public:
    KwPenToolButton(const QSize &iconSize, QWidget *parent = nullptr);
    // Icon and entries 40 x 16 pixels.
    explicit KwPenToolButton(QWidget *parent = nullptr);
    ~KwPenToolButton() override;

    QColor color() const;
    // Applies to samples drawn from now on; entries already built keep their colour.
    void setColor(const QColor &color);
    QSize itemIconSize() const;
    // Applies to entries built from now on.
    void setItemIconSize(const QSize &size);

    virtual void clickedItem(int index);

protected slots:
    void buttonClicked(int id);

protected:
    // One line from (margin, y) to (width - margin, y) on a transparent pixmap of `size`.
    QPixmap drawSample(const QSize &size, int margin, const QPen &pen, int y) const;
    QPen samplePen() const;
    // `name` becomes the entry's accessible name and tooltip: its face is only a picture.
    void addEntry(int id, const QPixmap &pixmap, const QString &name);
    void showEntryIcon(int id);

private:
    void createMenu();

    QButtonGroup *m_group;
    QMenu *m_menu;
    QColor m_color = Qt::white;
    QSize m_itemIconSize;
};

// Offers pen styles; the sample lines sit in the middle of their pixmaps.
class KWCONTROLS_EXPORT KwPenStyleButton : public KwPenToolButton
{
    Q_OBJECT

public:
    explicit KwPenStyleButton(QWidget *parent = nullptr);

    // Meant to be called once: later calls add entries behind the earlier ones. An empty
    // list changes nothing.
    void setItems(const QList<Qt::PenStyle> &items);
    // Styles missing from the list are ignored; no signal.
    void setPenStyle(Qt::PenStyle style);
    Qt::PenStyle penStyle() const;

    virtual QPixmap getItemPixmap(Qt::PenStyle style);
    virtual void updateIcon(Qt::PenStyle style);
    void clickedItem(int index) override;

signals:
    void penStyleChanged(const Qt::PenStyle &penStyle);

private:
    QList<Qt::PenStyle> m_items;
    Qt::PenStyle m_penStyle = Qt::NoPen;
};

// Offers line widths in pixels; a thicker sample line is centred by moving it up.
class KWCONTROLS_EXPORT KwPenWidthButton : public KwPenToolButton
{
    Q_OBJECT

public:
    explicit KwPenWidthButton(QWidget *parent = nullptr);

    // As KwPenStyleButton::setItems.
    void setItems(const QList<int> &items);
    // Widths missing from the list are ignored; no signal.
    void setPenWidth(int width);
    int penWidth() const;

    virtual QPixmap getItemPixmap(int width);
    virtual void updateIcon(int width);
    void clickedItem(int index) override;

signals:
    void penWidthChanged(int width);

private:
    QList<int> m_items;
    int m_penWidth = 0;
};
