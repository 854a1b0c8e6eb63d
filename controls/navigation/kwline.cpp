#include "navigation/kwline.h"

KwLine::KwLine(QWidget *parent, const QString &name)
    : KwLine(Qt::Horizontal, parent, name)
{
}

KwLine::KwLine(Qt::Orientation orientation, QWidget *parent, const QString &name)
    : QFrame(parent)
    , m_orientation(orientation)
{
    if (!name.isEmpty())
        setObjectName(name);
    createLine();
}

void KwLine::createLine()
{
    m_lineWidth = 1;
    const bool horizontal = m_orientation == Qt::Horizontal;
    setFrameShape(horizontal ? QFrame::HLine : QFrame::VLine);
    setFrameShadow(QFrame::Plain);
    setLineWidth(1);
    setSizePolicy(horizontal ? QSizePolicy::Preferred : QSizePolicy::Fixed,
                  horizontal ? QSizePolicy::Fixed : QSizePolicy::Preferred);
    applyWidth();
}

void KwLine::setKWlineWidth(const int &width)
{
    m_lineWidth = width;
    applyWidth();
}

void KwLine::applyWidth()
{
    if (m_orientation == Qt::Horizontal)
        setFixedHeight(m_lineWidth);
    else
        setFixedWidth(m_lineWidth);
}
