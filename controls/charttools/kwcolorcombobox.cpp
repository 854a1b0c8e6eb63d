#include "charttools/kwcolorcombobox.h"

#include <QColorDialog>
#include <QHBoxLayout>
#include <QSpacerItem>
#include <QToolButton>

KwColorComboBox::KwColorComboBox(QWidget *parent)
    : QComboBox(parent)
    , m_iconButton(new QToolButton)
    , m_layout(new QHBoxLayout(this))
    , m_rightSpacer(new QSpacerItem(10, 1, QSizePolicy::Fixed, QSizePolicy::Fixed))
{
    m_iconButton->setToolButtonStyle(Qt::ToolButtonIconOnly);
    // The swatch is the face of the box, so it takes all the room the strip leaves.
    m_iconButton->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->addWidget(m_iconButton);
    m_layout->addItem(m_rightSpacer);
    connect(m_iconButton, &QToolButton::clicked, this, &KwColorComboBox::showPopup);
}

QColor KwColorComboBox::color() const
{
    return m_color;
}

void KwColorComboBox::setColor(const QColor &color)
{
    m_color = color;
    emit colorChanged(m_color);
    updateIcon();
}

void KwColorComboBox::setRightSpacing(int width)
{
    m_layout->removeItem(m_rightSpacer);
    delete m_rightSpacer;
    m_rightSpacer = new QSpacerItem(width, 1, QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_layout->addItem(m_rightSpacer);
}

QLabel *KwColorComboBox::iconLabel() const
{
    return m_iconLabel;
}

QToolButton *KwColorComboBox::iconButton() const
{
    return m_iconButton;
}

void KwColorComboBox::updateIcon()
{
    QPixmap pixmap(m_iconButton->width(), m_iconButton->height());
    pixmap.fill(m_color);
    m_iconButton->setIcon(QIcon(pixmap));
}

void KwColorComboBox::showPopup()
{
    const QColor picked = QColorDialog::getColor(m_color, this, "选择颜色");
    if (picked.isValid() && picked != m_color)
        setColor(picked);
}

void KwColorComboBox::resizeEvent(QResizeEvent *event)
{
    QComboBox::resizeEvent(event);
    updateIcon();
}
