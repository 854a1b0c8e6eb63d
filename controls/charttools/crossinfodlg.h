#pragma once

/// \file
/// CrossInfoDlg, the chart's crosshair information box, and its label column VBoxWidget.

#include "kwcontrols_export.h"

#include <QDialog>
#include <QVector>

class QLabel;
class QStackedWidget;
class QVBoxLayout;

/// A column of centred labels; the value labels are addressed by their order of addition.
///
/// A page of CrossInfoDlg: the box adds two and hands them out by CrossInfoDlg::widgetAt().
/// Plain labels (names) and value labels are laid out in the order of addition; only value
/// labels are numbered (0, 1, 2, ...), and their text takes the market's colours (red for a
/// rise, green for a fall).
///
/// \code
/// VBoxWidget *page = box->widgetAt(0);
/// page->addLabel("收盘");
/// page->addValLabel();                          // value 0
/// page->addLabel("涨幅");
/// page->addValLabel();                          // value 1
/// page->setValblText(0, "12.35", 12.35 - previousClose);
/// page->setValblText(1, "+3.21%");
/// \endcode
///
/// Note that it is made as a tool window: made with a parent but not put in a layout or stack,
/// it shows as a window of its own. The labels are its children. GUI thread only.
/// \ingroup charttools
class KWCONTROLS_EXPORT VBoxWidget : public QWidget
{
public:
    /// Makes an empty column (a Qt::Tool window until it is placed).
    explicit VBoxWidget(QWidget *parent = nullptr);

    /// Appends a plain label showing `text`.
    void addLabel(const QString &text);
    /// Appends an empty plain label.
    void addLabel();
    /// Appends a value label showing `text`, numbered after the value labels before it.
    ///
    /// The text is coloured as by setValblText().
    void addValLabel(const QString &text);
    /// Appends an empty value label, numbered after the value labels before it.
    void addValLabel();
    /// Shows `text` in the value label numbered `index`.
    ///
    /// Indexes outside the value labels are ignored. A value is shown red when it rises and
    /// green when it falls, as the market shows them: here the text's own sign tells ("+3.21%",
    /// "-0.35"); unsigned and zero values keep the text colour.
    void setValblText(const int &index, const QString &text);
    /// Shows `text` in the value label numbered `index`, coloured by the sign of `change`.
    ///
    /// The same, with the rise or fall given by the sign of `change`: for prices, whose text
    /// carries no sign, compared with the previous close.
    void setValblText(const int &index, const QString &text, double change);

private:
    QLabel *appendLabel(const QString &text);

    QVBoxLayout *m_layout;
    QVector<QLabel *> m_valLabels;
};

/// The chart's crosshair information box: two pages of labels, shown below the chart's top. A
/// frameless tool window with a one-pixel edge of its own.
///
/// The parent is the chart the box belongs to (its anchor). The box makes two empty VBoxWidget
/// pages; the client fills them through widgetAt(), picks one with setCurrentIndex() and
/// shows the box.
///
/// \code
/// auto *box = new CrossInfoDlg(chart);
/// box->widgetAt(0)->addLabel("时间");
/// box->widgetAt(0)->addValLabel();
/// box->setCurrentIndex(0);
/// box->show();
/// \endcode
///
/// Ownership: the box owns its pages; the chart, as parent, owns the box. GUI thread only.
/// \ingroup charttools
class KWCONTROLS_EXPORT CrossInfoDlg : public QDialog
{
public:
    /// Makes the box with its two empty pages, anchored to `parent`.
    explicit CrossInfoDlg(QWidget *parent = nullptr);

    /// The page at `index` (0 or 1); the box keeps it.
    ///
    /// Null outside the pages.
    VBoxWidget *widgetAt(const int &index) const;
    /// Shows the page at `index`; other indexes are ignored.
    void setCurrentIndex(const int &index);

protected:
    /// Moves the box 40 pixels below the anchor's top-left corner, in screen coordinates; to
    /// the screen origin without an anchor.
    ///
    /// It hides QDialog's adjustPosition(QWidget *); the box does not call it by itself.
    void adjustPosition();
    /// Paints the dialog, then its one-pixel edge in the palette's `Mid` colour.
    void paintEvent(QPaintEvent *event) override;

private:
    void createDlg();

    QStackedWidget *m_stack;
    QWidget *m_anchor;
};
