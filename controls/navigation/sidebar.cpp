#include "navigation/sidebar.h"

#include "navigation/csubtab.h"
#include "navigation/kwline.h"

#include <QButtonGroup>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

SideBar::SideBar(QWidget *parent, QString name)
    : BaseWidget(parent, name)
    , m_group(new QButtonGroup(this))
    , m_layout(new QVBoxLayout(this))
{
    m_group->setExclusive(true);
    m_layout->setContentsMargins(0, 9, 0, 0);
    m_layout->setSpacing(0);
    connect(m_group, &QButtonGroup::idClicked, this, &SideBar::slotsButtonClick);
}

QPushButton *SideBar::addLogo()
{
    auto *logo = new QPushButton(this);
    m_layout->addWidget(logo, 0, Qt::AlignCenter);
    m_layout->addSpacing(11);
    return logo;
}

KwLine *SideBar::addSeparator()
{
    auto *line = new KwLine(this, QString());
    m_layout->addWidget(line);
    return line;
}

void SideBar::addStretch()
{
    m_layout->addStretch(0);
}

QToolButton *SideBar::addToolButton(const QIcon &icon, int id, const QString &text, const bool &grouped,
                                    Qt::ToolButtonStyle style)
{
    auto *button = new QToolButton(this);
    button->setIcon(icon);
    button->setText(text);
    button->setToolButtonStyle(style);
    group(button, id, grouped);
    m_layout->addWidget(button);
    return button;
}

QToolButton *SideBar::addToolButton(const QString &text, int id, const bool &grouped, Qt::ToolButtonStyle style)
{
    auto *button = new QToolButton(this);
    button->setText(text);
    button->setToolButtonStyle(style);
    group(button, id, grouped);
    m_layout->addWidget(button, 0, Qt::AlignHCenter);
    return button;
}

QToolButton *SideBar::addToolButton(QToolButton *button, int id, const bool &grouped)
{
    if (!button)
        return nullptr;
    group(button, id, grouped);
    m_layout->addWidget(button);
    return button;
}

void SideBar::group(QToolButton *button, int id, bool grouped)
{
    if (!grouped)
        return;
    m_group->addButton(button, id);
    m_buttons.insert(id, button);
}

int SideBar::getCurrCheckId()
{
    return m_group->checkedId();
}

bool SideBar::isCheck(int id)
{
    return id == m_group->checkedId();
}

void SideBar::setAllUnCheck()
{
    kwUncheckGroup(m_group);
}

void SideBar::setCheckId(int id)
{
    if (!m_buttons.value(id))
        return;
    if (QAbstractButton *button = m_group->button(id))
        button->setChecked(true);
}

void SideBar::slotsButtonClick(int id)
{
    emit signalClickButton(id);
}
