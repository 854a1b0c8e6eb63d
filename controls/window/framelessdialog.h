#pragma once

#include "window/basedialog.h"

class FramelessHelper;

// A dialog without system frame, moved by its top 30 pixels and resized by its edges.
class KWCONTROLS_EXPORT FrameLessDialog : public BaseDialog
{
    Q_OBJECT

public:
    explicit FrameLessDialog(QWidget *parent = 0, QString name = "");
    ~FrameLessDialog() override;

protected:
    FramelessHelper *framelessHelper;
};
