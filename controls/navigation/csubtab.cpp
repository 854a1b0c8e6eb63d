#include "navigation/csubtab.h"

#include "controlslog_p.h"
#include "navigation/kwline.h"

#include <QButtonGroup>
#include <QDebug>
#include <QHBoxLayout>
#include <QPushButton>

void kwUncheckGroup(QButtonGroup *group)
{
    if (!group->checkedButton())
        return;
    // A group that is not exclusive may hold several checked buttons; all of them go.
    const bool exclusive = group->exclusive();
    group->setExclusive(false);
    for (QAbstractButton *button : group->buttons())
        button->setChecked(false);
    group->setExclusive(exclusive);
}

CSubTab::CSubTab(QWidget *parent, QString name)
    : BaseWidget(parent, name)
    , m_group(new QButtonGroup(this))
{
    createWg();
    connect(m_group, &QButtonGroup::idToggled, this, &CSubTab::buttonToggled);
    connect(m_group, &QButtonGroup::idClicked, this, &CSubTab::slotsButtonClicked);
}

void CSubTab::createWg()
{
    m_outerLayout = new QHBoxLayout(this);
    m_outerLayout->setSpacing(0);
    m_outerLayout->setContentsMargins(0, 0, 0, 0);
    m_innerLayout = new QHBoxLayout;
    m_innerLayout->setContentsMargins(2, 0, 2, 0);
    m_innerLayout->setSpacing(1);
    m_outerLayout->addLayout(m_innerLayout);
}

int CSubTab::nextFreeId() const
{
    int id = m_buttons.size();
    while (m_buttons.value(id))
        ++id;
    return id;
}

QPushButton *CSubTab::appendButton(const QString &text, int id, QWidget *parent)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(text);
    button->setText(text);
    button->setCheckable(true);
    m_innerLayout->addWidget(button);
    m_group->addButton(button, id);
    m_buttons.insert(id, button);
    return button;
}

void CSubTab::addButton(const QString &text, const int &id, KwLine *line)
{
    // The id of a button its owner deleted is free again.
    if (id >= 0 && m_buttons.value(id)) {
        qCDebug(lcControls) << "CSubTab::addButton: id already in use" << id << text;
        // Made for this bar (often as its child), it would otherwise sit unplaced at (0, 0).
        delete line;
        return;
    }
    const int used = id < 0 ? nextFreeId() : id;
    appendButton(text, used, this);
    if (line) {
        m_innerLayout->addWidget(line);
        m_lines.append(line);
        m_lineMap.insert(used, line);
    }
}

void CSubTab::addButtons(const QStringList &texts)
{
    // Without a parent: adding to the row's layout makes the bar the parent.
    for (const QString &text : texts)
        appendButton(text, nextFreeId(), nullptr);
}

void CSubTab::addLine(int width, int height)
{
    auto *line = new KwLine(Qt::Vertical);
    line->setFixedWidth(width);
    if (height != -1)
        line->setFixedHeight(height);
    m_innerLayout->addWidget(line);
    m_lines.append(line);
}

void CSubTab::clear()
{
    for (QPushButton *button : qAsConst(m_buttons)) {
        if (!button)
            continue;
        m_innerLayout->removeWidget(button);
        m_group->removeButton(button);
        delete button;
    }
    for (QWidget *line : qAsConst(m_lines)) {
        m_innerLayout->removeWidget(line);
        delete line;
    }
    m_lines.clear();
    m_lineMap.clear();
    m_buttons.clear();
}

void CSubTab::setButtons(const QStringList &texts)
{
    clear();
    addButtons(texts);
}

QPushButton *CSubTab::getButton(int id)
{
    return m_buttons.value(id, nullptr);
}

QWidget *CSubTab::getLine(int id)
{
    return m_lineMap.value(id, nullptr);
}

int CSubTab::currentButton() const
{
    return m_currentId;
}

void CSubTab::setCurrentButton(const int &id)
{
    if (QPushButton *button = getButton(id))
        button->setChecked(true);
}

void CSubTab::setAllUnCheck()
{
    m_currentId = -1;
    kwUncheckGroup(m_group);
}

void CSubTab::setExclusiveEx(bool exclusive)
{
    m_group->setExclusive(exclusive);
}

void CSubTab::setPacing(const int &spacing)
{
    m_innerLayout->setSpacing(spacing);
}

void CSubTab::setContentsMargins(int left, int top, int right, int bottom)
{
    m_innerLayout->setContentsMargins(left, top, right, bottom);
}

void CSubTab::setStretchLastType(StretchLastType type)
{
    m_stretchType = type;
    removeTrailingItem();
    if (type == Stretch_Space) {
        m_outerLayout->addStretch(0);
    } else if (type == Stretch_Button) {
        auto *filler = new QPushButton(this);
        filler->setChecked(false);
        filler->setEnabled(false);
        filler->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
        m_outerLayout->addWidget(filler, 1);
    }
}

void CSubTab::removeTrailingItem()
{
    // A replaced filler goes for good: a button left behind would still be a visible child.
    QLayoutItem *item = m_outerLayout->takeAt(1);
    if (!item)
        return;
    delete item->widget();
    delete item;
}

CSubTab::CSubTabType CSubTab::csubTabType() const
{
    return m_tabType;
}

void CSubTab::setCSubTabType(CSubTabType type)
{
    m_tabType = type;
    emit csubTypeChanged(type);
}

void CSubTab::buttonToggled(int id, bool checked)
{
    if (checked)
        m_currentId = id;
}

void CSubTab::slotsButtonClicked(int id)
{
    m_currentId = id;
    emit currentButtonChanged(id);
}

// Paging through an overfull row is not offered; the slots stay for connections made by pages.
void CSubTab::switchBack() { }

void CSubTab::switchForward() { }

CSubTabPeriod::CSubTabPeriod(QWidget *parent, QString name)
    : CSubTab(parent, name)
{
}

CSubTabSecondBar::CSubTabSecondBar(QWidget *parent, QString name)
    : CSubTab(parent, name)
{
}

CSubTabThirdBar::CSubTabThirdBar(QWidget *parent, QString name)
    : CSubTab(parent, name)
{
}
