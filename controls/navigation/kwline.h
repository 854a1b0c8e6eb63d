#pragma once

#include "kwcontrols_export.h"

#include <QFrame>

// A one-line separator: a plain horizontal or vertical frame line whose thickness in the layout
// is setKWlineWidth() (the drawn line stays one pixel).
class KWCONTROLS_EXPORT KwLine : public QFrame
{
    Q_OBJECT

public:
    explicit KwLine(QWidget *parent = nullptr, const QString &name = QString());
    KwLine(Qt::Orientation orientation, QWidget *parent = nullptr, const QString &name = QString());

    void setKWlineWidth(const int &width);

private:
    void createLine();
    void applyWidth();

    int m_orientation = Qt::Horizontal;
    int m_lineWidth = 1;
};
