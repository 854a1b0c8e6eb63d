#pragma once

#include "kwcontrols_export.h"

#include <QColor>
#include <QFrame>
#include <QList>
#include <QMap>
#include <QPair>
#include <QRect>
#include <QString>

// One column of the shortcut window: a title over rows of (key, description), painted by hand
// so that hundreds of rows cost no widgets. Its height follows the number of rows, the
// surrounding scroll area does the scrolling.
class KWCONTROLS_EXPORT DrawKeyCanvas : public QFrame
{
    Q_OBJECT
    Q_PROPERTY(QColor m_innerTitleClr MEMBER m_innerTitleClr)
    Q_PROPERTY(QColor m_contenTextClr MEMBER m_contenTextClr)

public:
    // (value, name): the key text and what it does.
    using KeyItem = QPair<QString, QString>;

    static constexpr int rowHeight = 20;
    static constexpr int emptyHeight = 338;

    explicit DrawKeyCanvas(QWidget *parent = 0);

    // Replaces the rows; the height becomes (rows + 2) x 20, or 338 without rows.
    void setItems(const QList<KeyItem> &items);
    QList<KeyItem> getItems() const;
    void setTitle(const QString &title);
    QString getTitle() const;
    // A line drawn where the first row would be, across the whole width: tells the user why
    // the column is empty. An empty text removes it.
    void setNotice(const QString &notice);
    QString getNotice() const;
    int getSelectedIndex() const;
    // The rectangles of the rows as last painted.
    QMap<int, QRect> getRowRects() const;

signals:
    // Asks the scroll area around the column to move its vertical position by `value` pixels.
    void signalJustScrollValue(int value);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
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
