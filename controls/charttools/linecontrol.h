#pragma once

#include "kwcontrols_export.h"

#include <QToolButton>
#include <QVector>

// Drop-down pickers of the line and arrow dialogs. The menu holds one sample button per value
// (index = value - 1); a pick shows the entry's sample on the control and reports the value.

class KWCONTROLS_EXPORT LineControl : public QToolButton
{
    Q_OBJECT

public:
    explicit LineControl(QWidget *parent = nullptr);

    // Shows width 1 to 4 without signalling; other values leave the icon as it is.
    void setDefalutLineWidth(const int &width);

signals:
    void setLineWidth(int nWidth);

private:
    void createWg();

    int m_iconPenWidth = 1;
    QToolButton *m_firstMenuBtn = nullptr;
    QVector<QToolButton *> m_entries;
};

class KWCONTROLS_EXPORT LineTypeControl : public QToolButton
{
    Q_OBJECT

public:
    explicit LineTypeControl(QWidget *parent = nullptr);

    // Shows Qt::SolidLine to Qt::DashDotDotLine without signalling; other styles leave the
    // icon as it is.
    void setDefaultPenStyle(const Qt::PenStyle &style);

signals:
    void setLineStyle(Qt::PenStyle style);

private:
    void createWg();

    int m_iconPenWidth = 1;
    QToolButton *m_firstMenuBtn = nullptr;
    QVector<QToolButton *> m_entries;
};
