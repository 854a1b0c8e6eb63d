#include "navigation/scrollwidget.h"

#include <QScrollArea>
#include <QVBoxLayout>

ScrollWidget::ScrollWidget(QWidget *parent, QString name)
    : BaseWidget(parent, name)
    , m_scrollArea(new QScrollArea(this))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_scrollArea);
    m_scrollArea->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_scrollArea->setWidgetResizable(true);
}

void ScrollWidget::setWidget(QWidget *content)
{
    m_scrollArea->setWidget(content);
}
