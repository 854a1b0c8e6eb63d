#pragma once

#include "kwcontrols_export.h"

#include <QLabel>

// A text that acts as a link: a left-button release reports clicked().
class KWCONTROLS_EXPORT ActivityLabel : public QLabel
{
    Q_OBJECT

public:
    // Without a text, as a Designer form makes it; the form sets the text.
    explicit ActivityLabel(QWidget *parent = nullptr);
    explicit ActivityLabel(QString text, QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};
