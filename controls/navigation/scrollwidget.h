#pragma once

#include "kwcontrols_export.h"
#include "window/basewidget.h"

class QScrollArea;

// Wraps one content widget in a scroll area that stretches it to the visible width and height
// and keeps it at the top left when it is smaller.
class KWCONTROLS_EXPORT ScrollWidget : public BaseWidget
{
    Q_OBJECT

public:
    explicit ScrollWidget(QWidget *parent = nullptr, QString name = "");

    // The scroll area owns the content from then on.
    void setWidget(QWidget *content);

private:
    QScrollArea *m_scrollArea = nullptr;
};
