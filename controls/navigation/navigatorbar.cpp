#include "navigation/navigatorbar.h"

#include <QVBoxLayout>

NavigatorBar::NavigatorBar(QWidget *parent, QString name)
    : BaseWidget(parent, name)
    , m_layout(new QVBoxLayout(this))
{
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(2);
}

CSubTab *NavigatorBar::addCSubTab(CSubTab::CSubTabType type, QString name)
{
    auto *bar = new CSubTab(this, name);
    bar->setObjectName(name);
    bar->setCSubTabType(type);
    addCSubTab(bar);
    return bar;
}

void NavigatorBar::addCSubTab(CSubTab *bar)
{
    if (!bar)
        return;
    m_layout->addWidget(bar);
    m_bars.insert(m_bars.size(), bar);
    connect(bar, &CSubTab::currentButtonChanged, this, &NavigatorBar::tabCurrentBtnChanged);
}

CSubTab *NavigatorBar::csubTab(int index)
{
    return m_bars.value(index);
}

void NavigatorBar::addButtonToTab(const int &index, const QString &text)
{
    if (CSubTab *bar = csubTab(index))
        bar->addButton(text, -1, nullptr);
}

void NavigatorBar::setSubTabButtons(const int &index, const QStringList &texts)
{
    if (CSubTab *bar = csubTab(index))
        bar->setButtons(texts);
}

void NavigatorBar::OnClickBack()
{
    KwObject::MsgBack();
}

int NavigatorBar::currentIdOf(int index) const
{
    const CSubTab *bar = m_bars.value(index);
    return bar ? bar->currentButton() : -1;
}

void NavigatorBar::tabCurrentBtnChanged(const int &id)
{
    // The clicked bar has already taken the new id, so both readings are up to date.
    const QObject *bar = sender();
    const int primary = currentIdOf(0);
    const int secondary = currentIdOf(1);
    if (bar && bar == m_bars.value(0))
        emit subTabSectionChanged(0, id);
    else if (bar && bar == m_bars.value(1))
        emit subTabSectionChanged(1, id);
    emit navigatorSectionChanged(primary, secondary);
}
