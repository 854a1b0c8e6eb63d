#include "charttools/kwcolortoolbutton.h"

#include <QColorDialog>
#include <QDebug>

KwColorToolButton::KwColorToolButton(QWidget *parent)
    : QToolButton(parent)
{
    setToolButtonStyle(Qt::ToolButtonIconOnly);
    setPopupMode(QToolButton::MenuButtonPopup);
    updateIcon();
    connect(this, &QToolButton::clicked, this, &KwColorToolButton::colorClicked);
    connect(this, &QToolButton::pressed, this, [] { qDebug() << "pressed"; });
    connect(this, &QToolButton::toggled, this, [](bool) { qDebug() << "pressed"; });
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
    QPixmap pixmap(iconSize());
    pixmap.fill(m_color);
    setIcon(QIcon(pixmap));
}

QColor KwColorToolButton::getColor(const QColor &initial)
{
    return QColorDialog::getColor(initial, this, "选择颜色");
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
