#include "charttools/kwcolorcombobox.h"

#include "charttools/kwsampleline.h"
#include "charttools/pickertext.h"

#include <QColorDialog>
#include <QHBoxLayout>
#include <QSpacerItem>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <QToolButton>

namespace {
// What a frame and padding take from each side of the icon button: the swatch fills the rest.
const int faceInset = 4;
} // namespace

KwColorComboBox::KwColorComboBox(QWidget *parent)
    : QComboBox(parent)
    , m_iconButton(new QToolButton)
    , m_layout(new QHBoxLayout(this))
    , m_rightSpacer(new QSpacerItem(10, 1, QSizePolicy::Fixed, QSizePolicy::Fixed))
{
    m_iconButton->setToolButtonStyle(Qt::ToolButtonIconOnly);
    // The swatch is the face of the box, so it takes all the room the strip leaves, and the
    // button draws no bevel of its own around it. Its size hint grows with the icon drawn to
    // fill it: the layout must not read it, or each resize would widen the box again.
    m_iconButton->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    m_iconButton->setAutoRaise(true);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->addWidget(m_iconButton);
    m_layout->addItem(m_rightSpacer);
    connect(m_iconButton, &QToolButton::clicked, this, &KwColorComboBox::showPopup);
    updateIcon();
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
    m_layout->activate();
    updateIcon();
    update();
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
    // The icon is drawn as large as the button's face, not at the small default icon size,
    // or the swatch would shrink to a dash in a wide box.
    const QSize face = (m_iconButton->size() - QSize(2 * faceInset, 2 * faceInset)).expandedTo(QSize(1, 1));
    m_iconButton->setIconSize(face);
    m_iconButton->setIcon(QIcon(kwSwatch(face, m_color, devicePixelRatioF())));
    kwDescribe(m_iconButton, tr("颜色"), tr("颜色 %1，点击选择").arg(m_color.name()));
}

void KwColorComboBox::showPopup()
{
    const QColor picked = QColorDialog::getColor(m_color, this, tr("选择颜色"));
    if (picked.isValid() && picked != m_color)
        setColor(picked);
}

void KwColorComboBox::resizeEvent(QResizeEvent *event)
{
    QComboBox::resizeEvent(event);
    updateIcon();
}

// The style would put its arrow where the swatch lies; the box draws its frame without it and
// a whole arrow in the strip beside the swatch instead.
void KwColorComboBox::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.subControls &= ~QStyle::SC_ComboBoxArrow;
    option.currentText.clear();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);

    const QRect strip = m_rightSpacer->geometry();
    if (strip.width() <= 0)
        return;
    QStyleOption arrow;
    arrow.initFrom(this);
    const int side = qMin(strip.width(), 9);
    arrow.rect = QRect(0, 0, side, side);
    arrow.rect.moveCenter(QPoint(strip.center().x(), height() / 2));
    painter.drawPrimitive(QStyle::PE_IndicatorArrowDown, arrow);
}
