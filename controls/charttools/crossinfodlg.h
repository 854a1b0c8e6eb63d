#pragma once

#include "kwcontrols_export.h"

#include <QDialog>
#include <QVector>

class QLabel;
class QStackedWidget;
class QVBoxLayout;

// A column of centred labels; the value labels are addressed by their order of addition.
class KWCONTROLS_EXPORT VBoxWidget : public QWidget
{
public:
    explicit VBoxWidget(QWidget *parent = nullptr);

    void addLabel(const QString &text);
    void addLabel();
    // The text is coloured as by setValblText().
    void addValLabel(const QString &text);
    void addValLabel();
    // Indexes outside the value labels are ignored. A value is shown red when it rises and
    // green when it falls, as the market shows them: here the text's own sign tells ("+3.21%",
    // "-0.35"); unsigned and zero values keep the text colour.
    void setValblText(const int &index, const QString &text);
    // The same, with the rise or fall given by the sign of `change`: for prices, whose text
    // carries no sign, compared with the previous close.
    void setValblText(const int &index, const QString &text, double change);

private:
    QLabel *appendLabel(const QString &text);

    QVBoxLayout *m_layout;
    QVector<QLabel *> m_valLabels;
};

// The chart's crosshair information box: two pages of labels, shown below the chart's top. A
// frameless tool window with a one-pixel edge of its own.
class KWCONTROLS_EXPORT CrossInfoDlg : public QDialog
{
public:
    explicit CrossInfoDlg(QWidget *parent = nullptr);

    // Null outside the pages.
    VBoxWidget *widgetAt(const int &index) const;
    void setCurrentIndex(const int &index);

protected:
    // 40 pixels below the anchor's top-left corner; the screen origin without an anchor.
    void adjustPosition();
    void paintEvent(QPaintEvent *event) override;

private:
    void createDlg();

    QStackedWidget *m_stack;
    QWidget *m_anchor;
};
