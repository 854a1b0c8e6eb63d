#include "dataview/kwiconcbx.h"

KwIconCbx::KwIconCbx(QWidget *parent)
    : QCheckBox(parent)
{
}

KwIconCbx::KwIconCbx(const QString &text, QWidget *parent)
    : QCheckBox(text, parent)
{
}

QPixmap KwIconCbx::normalPix() const
{
    return m_normalPix;
}

QPixmap KwIconCbx::hoverPix() const
{
    return m_hoverPix;
}

void KwIconCbx::setNormalPix(const QPixmap &pix)
{
    m_normalPix = pix;
    setIcon(QIcon(m_normalPix));
}

void KwIconCbx::setHoverPix(const QPixmap &pix)
{
    m_hoverPix = pix;
}

void KwIconCbx::enterEvent(KwQt::EnterEvent *e)
{
    QWidget::enterEvent(e);
    setIcon(QIcon(m_hoverPix));
}

void KwIconCbx::leaveEvent(QEvent *e)
{
    QWidget::leaveEvent(e);
    setIcon(QIcon(m_normalPix));
}
