#pragma once

/// \file
/// DrawKeyCanvas, one column of the shortcut window.

#include "kwcontrols_export.h"

#include <QColor>
#include <QFrame>
#include <QList>
#include <QMap>
#include <QPair>
#include <QRect>
#include <QString>

/// One column of the shortcut window: a title over rows of (key, description), painted by hand
/// so that hundreds of rows cost no widgets. Its height follows the number of rows, the
/// surrounding scroll area does the scrolling.
///
/// The key text takes the left half of a row, the description the right half, on a dark
/// background (#191919). The title colour and the text colour are the properties
/// `m_innerTitleClr` and `m_contenTextClr`, which a style sheet may set. The wheel does not
/// scroll the column itself: it asks the scroll area around through signalJustScrollValue().
///
/// \code
/// auto *canvas = new DrawKeyCanvas;
/// canvas->setTitle("> 常用快捷键");
/// canvas->setItems({{"F10", "个股资料"}, {"Ctrl+E", "导出数据"}});
/// scrollArea->setWidget(canvas);
/// connect(canvas, &DrawKeyCanvas::signalJustScrollValue, scrollArea,
///         [scrollArea](int pixels) { auto *bar = scrollArea->verticalScrollBar(); bar->setValue(bar->value() + pixels); });
/// \endcode
///
/// GUI thread only.
/// \ingroup widgets
class KWCONTROLS_EXPORT DrawKeyCanvas : public QFrame
{
    Q_OBJECT
    Q_PROPERTY(QColor m_innerTitleClr MEMBER m_innerTitleClr)
    Q_PROPERTY(QColor m_contenTextClr MEMBER m_contenTextClr)

public:
    /// One row: (value, name), the key text and what it does.
    using KeyItem = QPair<QString, QString>;

    /// The height of a row (and of the title), in pixels.
    static constexpr int rowHeight = 20;
    /// The height of a column without rows, in pixels.
    static constexpr int emptyHeight = 338;

    /// Makes an empty column, emptyHeight pixels high.
    explicit DrawKeyCanvas(QWidget *parent = 0);

    /// Replaces the rows; the height becomes (rows + 2) x 20, or 338 without rows.
    void setItems(const QList<KeyItem> &items);
    /// The rows, in order.
    QList<KeyItem> getItems() const;
    /// Sets the title drawn above the rows.
    void setTitle(const QString &title);
    /// The title drawn above the rows.
    QString getTitle() const;
    /// Sets a line drawn where the first row would be, across the whole width: tells the user
    /// why the column is empty. An empty text removes it.
    void setNotice(const QString &notice);
    /// The notice, or an empty text when there is none.
    QString getNotice() const;
    /// The row the user pressed last; 0 before any press. The column does not mark it.
    int getSelectedIndex() const;
    /// The rectangles of the rows as last painted, by row; empty until the next paint after
    /// setItems().
    QMap<int, QRect> getRowRects() const;

signals:
    /// Asks the scroll area around the column to move its vertical position by `value` pixels
    /// (positive: down); emitted for each wheel event over the column, as many rows per notch
    /// as the system's wheel setting says.
    void signalJustScrollValue(int value);

protected:
    /// Paints the background, the title, the notice and the rows, and records the rows'
    /// rectangles.
    void paintEvent(QPaintEvent *event) override;
    /// Makes the pressed row the selected one.
    void mousePressEvent(QMouseEvent *event) override;
    /// Turns a vertical wheel event into signalJustScrollValue(); ignores a sideways one.
    void wheelEvent(QWheelEvent *event) override;

private:
    QRect rowRect(int row) const;

    QColor m_innerTitleClr = QColor("#EE9236");
    QColor m_contenTextClr = QColor("#CAD4DD");
    QMap<int, QRect> rowRects;
    QList<KeyItem> items;
    int selectedIndex = 0;
    QString title;
    QString notice;
};
