#include "charttools/colorcontrolwidget.h"

#include "charttools/customcolordlg.h"

#include <QFormLayout>
#include <QLabel>
#include <QToolButton>

ColorControlWidget::ColorControlWidget(QWidget *parent)
    : BaseWidget(parent, "")
    , m_sample(new QLabel)
    , m_dialog(new CustomColorDlg)
{
    auto *layout = new QFormLayout(this);
    layout->setSpacing(0);
    layout->setContentsMargins(0, 0, 0, 0);
    m_sample->setStyleSheet("background:white");
    auto *more = new QToolButton;
    layout->addRow(m_sample, more);

    // A pop-up closes by itself when the user clicks elsewhere; it is only hidden between
    // uses, so the swatch checked last stays checked.
    m_dialog->setWindowFlags(windowFlags() | Qt::Popup);
    connect(m_dialog, &CustomColorDlg::colorName, this, [this](const QString &name) {
        setColor(name);
        emit colorName(name);
    });
    connect(more, &QToolButton::clicked, this, &ColorControlWidget::onMoreBtnClicked);
}

ColorControlWidget::~ColorControlWidget()
{
    delete m_dialog;
}

void ColorControlWidget::setColor(const QString &name)
{
    m_sample->setStyleSheet("background:" + name);
}

void ColorControlWidget::onMoreBtnClicked()
{
    auto *button = qobject_cast<QWidget *>(sender());
    if (!button)
        return;
    const QRect rect = button->rect();
    m_dialog->move(button->mapToGlobal(QPoint(rect.right() + 2, rect.top())));
    m_dialog->show();
}
