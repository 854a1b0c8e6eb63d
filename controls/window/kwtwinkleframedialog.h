#pragma once

#include "window/kwtwinklebasedialog.h"

class FramelessHelper;

// A twinkle dialog ready to use: movable by its top 30 pixels, resizable by its edges, with a
// central widget inside the ring for the content.
class KWCONTROLS_EXPORT KwTwinkleFrameDialog : public KwTwinkleBaseDialog
{
    Q_OBJECT

public:
    explicit KwTwinkleFrameDialog(QWidget *parent = 0);
    ~KwTwinkleFrameDialog() override;

    QWidget *centralWidget();
    FramelessHelper *framelessHelper();

private:
    FramelessHelper *m_framelessHelper;
    QWidget *m_centralWidget;
};
