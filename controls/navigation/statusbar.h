#pragma once

#include "kwcontrols_export.h"
#include "window/basewidget.h"

class QGridLayout;

// A fixed-height strip laid out as a grid of named, empty cells; the page fills the cells it
// gets from widgetAtPosition.
class KWCONTROLS_EXPORT StatusBar : public BaseWidget
{
    Q_OBJECT

public:
    explicit StatusBar(QWidget *parent = nullptr, QString name = "");

    // Null for an empty cell or one outside the grid; a spanning cell answers for every
    // position it covers.
    QWidget *widgetAtPosition(const int &row, const int &column);

private:
    QGridLayout *m_layout = nullptr;
};
