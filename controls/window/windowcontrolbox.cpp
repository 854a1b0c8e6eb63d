#include "window/windowcontrolbox.h"

#include "window/windowstatemodel.h"

#include "ui_windowcontrolbox.h"

#include <QStyle>

WindowControlBox::WindowControlBox(QWidget *parent, QWidget *mainWnd, QString name)
    : BaseWidget(parent, name)
    , ui(std::make_unique<Ui::WindowControlBox>())
{
    ui->setupUi(this);
    ui->minBtn->setObjectName("minBtn");
    ui->expandBtn->setObjectName("expandBtn");
    ui->closeBtn->setObjectName("closeBtn");
    for (QPushButton *button : {ui->minBtn, ui->expandBtn, ui->closeBtn})
        button->setFocusPolicy(Qt::NoFocus);
    // The buttons show pictures only: screen readers and tooltips need their words.
    nameButton(ui->minBtn, tr("最小化"));
    nameButton(ui->closeBtn, tr("关闭"));
    nameButton(ui->expandBtn, tr("最大化"));
    ui->hBoxLayout->setContentsMargins(0, 0, 0, 0);
    ui->hBoxLayout->setSpacing(1);
    ui->hBoxLayout->setAlignment(Qt::AlignCenter);

    connect(ui->minBtn, &QPushButton::clicked, this, &WindowControlBox::OnMinimized);
    connect(ui->expandBtn, &QPushButton::clicked, this, &WindowControlBox::OnMaximinzed);
    // On release, and through the virtual, so a press dragged off the button still closes
    // and subclasses can take over the close.
    connect(ui->closeBtn, &QPushButton::released, this, [this] { OnClose(); });
    updateControlFlags();
    setMainWnd(mainWnd);
}

void WindowControlBox::setMainWnd(QWidget *window)
{
    if (stateModel)
        disconnect(stateModel, &WindowStateModel::maximizedChanged, this, &WindowControlBox::updateMaximize);
    mainWnd = window;
    stateModel = window ? WindowStateModel::of(window) : nullptr;
    if (stateModel)
        connect(stateModel, &WindowStateModel::maximizedChanged, this, &WindowControlBox::updateMaximize);
    // The glyph must tell the new window's state, not the old one's.
    const bool windowMaximized = stateModel && stateModel->isMaximized();
    if (windowMaximized != maximized)
        updateMaximize(windowMaximized);
}

// Defined here, where the form is a complete type.
WindowControlBox::~WindowControlBox() = default;

void WindowControlBox::OnClose()
{
    if (!mainWnd)
        return;
    emit mainWndClose();
    mainWnd->close();
}

void WindowControlBox::OnMinimized()
{
    if (mainWnd)
        mainWnd->showMinimized();
    emit mainWndMinimized();
}

void WindowControlBox::OnMaximinzed()
{
    if (!mainWnd || !stateModel)
        return;
    // The window's state decides, not the box's belief: the glyph follows through the model.
    if (stateModel->isMaximized()) {
        stateModel->restore();
        return;
    }
    stateModel->maximize();
    emit mainWndMaximized();
}

void WindowControlBox::SwitchExpandOrNarrow()
{
    OnMaximinzed();
}

void WindowControlBox::onRestoreWindow()
{
    if (!mainWnd)
        return;
    // Out of the minimised state only: a window the window manager maximised stays so, and one
    // maximised by its geometry keeps it.
    if (mainWnd->windowState() & Qt::WindowMaximized)
        mainWnd->showMaximized();
    else
        mainWnd->showNormal();
}

void WindowControlBox::updateMaximize(bool maximized)
{
    this->maximized = maximized;
    SwitchExpandOrNarrow(!maximized);
}

void WindowControlBox::setControlFlag(const QFlags<ControlFlag> &flag, bool on)
{
    if (on)
        controlFlags |= flag;
    else
        controlFlags &= ~flag;
    updateControlFlags();
}

void WindowControlBox::setControlFlags(const QFlags<ControlFlag> &flags)
{
    controlFlags = flags;
    updateControlFlags();
}

void WindowControlBox::SwitchExpandOrNarrow(bool expand)
{
    QPushButton *button = ui->expandBtn;
    button->setObjectName(expand ? "expandBtn" : "narrowBtn");
    nameButton(button, expand ? tr("最大化") : tr("还原"));
    // Style-sheet rules keyed on the object name only apply after a fresh polish.
    button->style()->unpolish(button);
    button->style()->polish(button);
}

void WindowControlBox::nameButton(QPushButton *button, const QString &name)
{
    button->setToolTip(name);
    button->setAccessibleName(name);
}

void WindowControlBox::updateControlFlags()
{
    ui->minBtn->setVisible(controlFlags.testFlag(ControlMin));
    ui->expandBtn->setVisible(controlFlags.testFlag(ControlMax));
    ui->closeBtn->setVisible(controlFlags.testFlag(ControlClose));
}
