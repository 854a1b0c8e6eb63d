#include "charttools/crossinfodlg.h"

#include <QLabel>
#include <QStackedWidget>
#include <QVBoxLayout>

VBoxWidget::VBoxWidget(QWidget *parent)
    : QWidget(parent, Qt::Tool)
    , m_layout(new QVBoxLayout(this))
{
    m_layout->setContentsMargins(0, 0, 0, 0);
}

QLabel *VBoxWidget::appendLabel(const QString &text)
{
    auto *label = new QLabel(text, this);
    label->setAlignment(Qt::AlignCenter);
    m_layout->addWidget(label);
    return label;
}

void VBoxWidget::addLabel(const QString &text)
{
    appendLabel(text);
}

void VBoxWidget::addLabel()
{
    appendLabel(QString());
}

void VBoxWidget::addValLabel(const QString &text)
{
    m_valLabels.append(appendLabel(text));
}

void VBoxWidget::addValLabel()
{
    addValLabel(QString());
}

void VBoxWidget::setValblText(const int &index, const QString &text)
{
    if (index >= 0 && index < m_valLabels.size())
        m_valLabels[index]->setText(text);
}

CrossInfoDlg::CrossInfoDlg(QWidget *parent)
    : QDialog(parent)
    , m_stack(new QStackedWidget(this))
    , m_anchor(parent)
{
    createDlg();
}

void CrossInfoDlg::createDlg()
{
    auto *layout = new QVBoxLayout;
    m_stack->setContentsMargins(0, 0, 0, 0);
    m_stack->addWidget(new VBoxWidget(this));
    m_stack->addWidget(new VBoxWidget(this));
    layout->addWidget(m_stack);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    setLayout(layout);
}

VBoxWidget *CrossInfoDlg::widgetAt(const int &index) const
{
    if (index < 0 || index >= m_stack->count())
        return nullptr;
    return static_cast<VBoxWidget *>(m_stack->widget(index));
}

void CrossInfoDlg::setCurrentIndex(const int &index)
{
    m_stack->setCurrentIndex(index);
}

void CrossInfoDlg::adjustPosition()
{
    move(m_anchor ? m_anchor->mapToGlobal(QPoint(0, 40)) : QPoint(0, 0));
}
