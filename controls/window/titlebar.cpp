#include "window/titlebar.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

TitleBar::TitleBar(QWidget *parent, QString name)
    : BaseWidget(parent, name)
{
    // A caption keeps its own height: in a window's column the body takes the extra space.
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void TitleBar::createTitleBar()
{
    iconButton = new QPushButton(this);
    iconButton->setObjectName(iconName);
    // A picture, not a control: in a dialog it must not become the default button.
    iconButton->setFocusPolicy(Qt::NoFocus);
    iconButton->setAccessibleName(tr("窗口图标"));
    iconButton->setVisible(!iconName.isEmpty());

    titleLabel = new QLabel("untitled", this);
    titleLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    titleLabel->setObjectName("titleName");

    controlBox = new WindowControlBox(this, parentWidget(), "windowcontrolbox");

    auto *layout = new QHBoxLayout;
    layout->setContentsMargins(0, 0, 4, 0);
    layout->setSpacing(0);
    layout->addSpacing(10);
    layout->addWidget(iconButton, 0, Qt::AlignVCenter);
    layout->addSpacing(8);
    layout->addWidget(titleLabel);
    layout->addStretch();
    layout->addWidget(controlBox, 0, Qt::AlignRight);
    setLayout(layout);
}

void TitleBar::setWinTitle(const QString &title, Qt::Alignment alignment)
{
    if (!titleLabel)
        return;
    titleLabel->setText(title);
    titleLabel->setAlignment(alignment);
    // The task bar and the window list show the window's own title: follow the caption.
    QWidget *top = window();
    if (top != this && top->windowTitle() != title)
        top->setWindowTitle(title);
}

void TitleBar::setIconName(const QString &name)
{
    iconName = name;
    if (!iconButton)
        return;
    iconButton->setObjectName(name);
    // Style-sheet rules are matched when a widget is polished: a new name needs a new polish,
    // or a bar already shown keeps the old picture (none).
    iconButton->style()->unpolish(iconButton);
    iconButton->style()->polish(iconButton);
    iconButton->update();
    iconButton->show();
}

void TitleBar::setControlFlag(const QFlags<WindowControlBox::ControlFlag> &flag, bool on)
{
    if (controlBox)
        controlBox->setControlFlag(flag, on);
}

void TitleBar::setControlFlags(const QFlags<WindowControlBox::ControlFlag> &flags)
{
    if (controlBox)
        controlBox->setControlFlags(flags);
}

WindowControlBox *TitleBar::windowControlBox()
{
    return controlBox;
}

void TitleBar::onMinimized()
{
    emit mainWndMinimized();
}

void TitleBar::onMaximinzed()
{
    emit mainWndMaximized();
}

void TitleBar::onClose()
{
    emit mainWndClose();
}

bool TitleBar::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::WindowTitleChange && titleLabel && watched->isWidgetType())
        titleLabel->setText(static_cast<QWidget *>(watched)->windowTitle());
    return BaseWidget::eventFilter(watched, event);
}
