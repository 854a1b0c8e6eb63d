#pragma once

/// \file
/// SuoLueBorderWidget and SuolueWidget, frames for thumbnails.

#include "kwcontrols_export.h"
#include "window/basewidget.h"

/// A frame for a thumbnail.
///
/// It adds nothing to BaseWidget but its class name, which style-sheet type selectors match to
/// give it its border (BaseWidget paints style-sheet backgrounds and borders). The client lays
/// the thumbnail out in it. GUI thread only.
/// \ingroup navigation
class KWCONTROLS_EXPORT SuoLueBorderWidget : public BaseWidget
{
    Q_OBJECT

public:
    /// Makes an empty frame that joins the message bus under `name`.
    explicit SuoLueBorderWidget(QWidget *parent = nullptr, const QString &name = "");
};

/// A thumbnail frame of the other kind, told apart from SuoLueBorderWidget by its class name
/// only.
/// \ingroup navigation
class KWCONTROLS_EXPORT SuolueWidget : public SuoLueBorderWidget
{
    Q_OBJECT

public:
    /// Makes an empty frame that joins the message bus under `name` (`suoluewidget` by
    /// default).
    explicit SuolueWidget(QWidget *parent = nullptr, const QString &name = "suoluewidget");
};
