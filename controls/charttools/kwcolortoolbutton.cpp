#include "charttools/kwcolortoolbutton.h"

#include "controlslog_p.h"
#include "charttools/kwsampleline.h"
#include "charttools/pickertext.h"

#include <QColorDialog>
#include <QDebug>

KwColorToolButton::KwColorToolButton(QWidget *parent)
    : QToolButton(parent)
{
    setToolButtonStyle(Qt::ToolButtonIconOnly);
    setPopupMode(QToolButton::MenuButtonPopup);
    updateIcon();
    connect(this, &QToolButton::clicked, this, &KwColorToolButton::colorClicked);
    connect(this, &QToolButton::pressed, this, [] { qCDebug(lcControls) << "pressed"; });
    connect(this, &QToolButton::toggled, this, [](bool) { qCDebug(lcControls) << "pressed"; });
}

QColor KwColorToolButton::color() const
{
    return m_color;
}

void KwColorToolButton::setColor(const QColor &color)
{
    m_color = color;
    updateIcon();
}

void KwColorToolButton::updateIcon()
{
    setIcon(QIcon(kwSwatch(iconSize(), m_color, devicePixelRatioF())));
    kwDescribe(this, tr("颜色"), tr("颜色 %1，点击选择").arg(m_color.name()));
}

QColor KwColorToolButton::getColor(const QColor &initial)
{
    return QColorDialog::getColor(initial, this, tr("选择颜色"));
}

void KwColorToolButton::colorClicked(bool)
{
    pickColor();
}

void KwColorToolButton::showMenu()
{
    pickColor();
}

void KwColorToolButton::pickColor()
{
    const QColor picked = getColor(m_color);
    if (!picked.isValid() || picked == m_color)
        return;
    m_color = picked;
    updateIcon();
    emit colorChanged(m_color);
}
