#pragma once

/// \file
/// StatusBar, a fixed-height strip of named empty cells for the page to fill.

#include "kwcontrols_export.h"
#include "window/basewidget.h"

class QGridLayout;

/// A fixed-height strip laid out as a grid of named, empty cells; the page fills the cells it
/// gets from widgetAtPosition().
///
/// The bar is 41 pixels high. Its cells are plain widgets, children of the bar, with object
/// names for the style sheet:
///
/// | row, column | object name    | width                         |
/// |-------------|----------------|-------------------------------|
/// | 0, 0 to 4   | `zeroRowCol0`  | the whole row                 |
/// | 1, 0        | `FirstRowCol0` | 28 pixels                     |
/// | 1, 1        | `shortCut`     | 28 pixels                     |
/// | 1, 2        | `FirstRowCol1` | the rest (expanding)          |
/// | 1, 3        | `FirstRowCol2` | 200 pixels, right-aligned     |
/// | 1, 4        | `FirstRowCol3` | 90 pixels, right-aligned      |
///
/// \code
/// auto *status = new StatusBar(parent, "status");
/// auto *layout = new QHBoxLayout(status->widgetAtPosition(1, 2));
/// layout->addWidget(new QLabel(tr("Connected")));
/// \endcode
///
/// GUI thread only.
/// \ingroup navigation
class KWCONTROLS_EXPORT StatusBar : public BaseWidget
{
    Q_OBJECT

public:
    /// Makes the bar with its empty cells; it joins the message bus under `name`.
    explicit StatusBar(QWidget *parent = nullptr, QString name = "");

    /// The cell at `row` and `column`; the bar keeps it.
    ///
    /// Null for an empty cell or one outside the grid; a spanning cell answers for every
    /// position it covers.
    QWidget *widgetAtPosition(const int &row, const int &column);

private:
    QGridLayout *m_layout = nullptr;
};
