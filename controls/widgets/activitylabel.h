#pragma once

#include "kwcontrols_export.h"

#include <QLabel>

// A text that acts as a link: a left-button release reports clicked().
class KWCONTROLS_EXPORT ActivityLabel : public QLabel
{
    Q_OBJECT

public:
    explicit ActivityLabel(QString text, QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};
