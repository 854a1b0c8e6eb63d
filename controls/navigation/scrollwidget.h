#pragma once

/// \file
/// ScrollWidget, one content widget in a scroll area.

#include "kwcontrols_export.h"
#include "window/basewidget.h"

class QScrollArea;

/// Wraps one content widget in a scroll area.
///
/// The scroll area fills the widget without margins, stretches the content to the visible
/// width and height (it scrolls only where the content's minimum size is larger) and keeps it
/// at the top left when it cannot grow.
///
/// \code
/// auto *scroll = new ScrollWidget(parent, "");
/// scroll->setWidget(longLabel);
/// \endcode
///
/// GUI thread only.
/// \ingroup navigation
class KWCONTROLS_EXPORT ScrollWidget : public BaseWidget
{
    Q_OBJECT

public:
    /// Makes an empty scroll widget that joins the message bus under `name`.
    explicit ScrollWidget(QWidget *parent = nullptr, QString name = "");

    /// Shows `content` in the scroll area.
    ///
    /// The scroll area owns the content from then on; a content set before is deleted.
    void setWidget(QWidget *content);

private:
    QScrollArea *m_scrollArea = nullptr;
};
