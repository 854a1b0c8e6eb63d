#pragma once

#include "kwcontrols_export.h"
#include "window/basewidget.h"

// Frames for thumbnails. They add nothing but their class names, which style-sheet type
// selectors match to give them their borders.
class KWCONTROLS_EXPORT SuoLueBorderWidget : public BaseWidget
{
    Q_OBJECT

public:
    explicit SuoLueBorderWidget(QWidget *parent = nullptr, const QString &name = "");
};

class KWCONTROLS_EXPORT SuolueWidget : public SuoLueBorderWidget
{
    Q_OBJECT

public:
    explicit SuolueWidget(QWidget *parent = nullptr, const QString &name = "suoluewidget");
};
