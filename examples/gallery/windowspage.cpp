#include "windowspage.h"

#include "window/framewidget.h"
#include "window/kwtwinkleframedialog.h"
#include "window/messagebox.h"
#include "window/mesbox.h"
#include "window/popupdialog.h"
#include "window/popuptwinkleframedialog.h"
#include "window/popupwindow.h"
#include "window/titlebar.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QLabel *bodyText(const QString &text)
{
    auto *label = new QLabel(text);
    label->setObjectName("popupText");
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumHeight(80);
    return label;
}

// Fills a popup body with a text and, for dialogs, the submit and cancel buttons.
void fillBody(QWidget *body, const QString &text, QDialog *dialog)
{
    auto *layout = new QVBoxLayout(body);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->addWidget(bodyText(text), 1);
    if (!dialog)
        return;
    auto *buttons = new QHBoxLayout;
    auto *submit = new QPushButton(WindowsPage::tr("确定"));
    submit->setObjectName("submit");
    auto *cancel = new QPushButton(WindowsPage::tr("取消"));
    cancel->setObjectName("cancel");
    QObject::connect(submit, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    buttons->addStretch();
    buttons->addWidget(submit);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
}
} // namespace

WindowsPage::WindowsPage(QWidget *parent)
    : GalleryPage(
              tr("窗口与对话框"),
              tr("无边框窗口可拖动标题栏移动、拖动边缘缩放；本演示的主窗口打开了 setSystemMoveResize，移动和缩放交给窗口系统（贴边吸附、跨屏移动），不支持时由窗口自己完成。"
                 "闪烁对话框的边框随激活状态变色；消息框返回所按的按钮。"),
              parent, "windows")
    , m_grid(new QGridLayout)
{
    m_grid->setSpacing(12);
    addButton(0, 0, tr("FrameWidget 框架窗口"), [this] { openFrameWidget(); });
    addButton(0, 1, tr("PopupWindow 弹出窗口"), [this] { openPopupWindow(); });
    addButton(0, 2, tr("PopupDialog 弹出对话框"), [this] { openPopupDialog(); });
    addButton(1, 0, tr("KwTwinkleFrameDialog 闪烁对话框"), [this] { openTwinkleDialog(); });
    addButton(1, 1, tr("PopupTwinkleFrameDialog 闪烁弹窗"), [this] { openPopupTwinkleDialog(); });
    const auto yesNo = QMessageBox::Yes | QMessageBox::No;
    addButton(2, 0, tr("信息 showInformation"),
              [this] { showBox(tr("信息"), &MessageBox::showInformation, QMessageBox::Ok, QMessageBox::Ok); });
    addButton(2, 1, tr("询问 showQuestion"),
              [this, yesNo] { showBox(tr("询问"), &MessageBox::showQuestion, yesNo, QMessageBox::Yes); });
    addButton(2, 2, tr("警告 showWarning"), [this] {
        showBox(tr("警告"), &MessageBox::showWarning, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel);
    });
    addButton(3, 0, tr("错误 showError"), [this] {
        showBox(tr("错误"), &MessageBox::showError, QMessageBox::Retry | QMessageBox::Cancel, QMessageBox::Retry);
    });
    addButton(3, 1, tr("关于 showAbout"),
              [this] { showBox(tr("关于"), &MessageBox::showAbout, QMessageBox::Ok, QMessageBox::Ok); });
    content()->addLayout(m_grid);
    content()->addStretch(1);
}

void WindowsPage::addButton(int row, int column, const QString &text, const std::function<void()> &action)
{
    auto *button = new QPushButton(text);
    button->setMinimumHeight(40);
    connect(button, &QPushButton::clicked, this, action);
    m_grid->addWidget(button, row, column);
}

void WindowsPage::present(QWidget *window)
{
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->adjustSize();
    const QWidget *top = this->window();
    window->move(top->geometry().center() - QPoint(window->width() / 2, window->height() / 2));
    window->show();
    window->raise();
    window->activateWindow();
}

void WindowsPage::reportOnFinish(QDialog *dialog, const QString &kind)
{
    connect(dialog, &QDialog::finished, this, [this, kind](int code) {
        showResult(tr("%1 关闭，返回 %2（%3）")
                           .arg(kind)
                           .arg(code)
                           .arg(code == QDialog::Accepted ? tr("确定") : tr("取消")));
    });
}

void WindowsPage::openFrameWidget()
{
    auto *frame = new FrameWidget(nullptr, "");
    frame->create();
    frame->setWindowTitle(tr("FrameWidget：拖动标题栏移动，拖动边缘缩放"));
    static_cast<QVBoxLayout *>(frame->layout())->insertWidget(1, bodyText(tr("带标题栏的无边框窗口")), 1);
    frame->resize(520, 300);
    present(frame);
    showResult(tr("打开了 FrameWidget"));
}

void WindowsPage::openPopupWindow()
{
    auto *popup = new PopupWindow(nullptr, "");
    popup->setTitleFlags(WindowControlBox::ControlClose);
    popup->setWindowsFlags(PopupWndWithTitleStyle::PopMovable | PopupWndWithTitleStyle::PopResizable);
    popup->createWg();
    popup->getTilte()->setWinTitle(tr("PopupWindow 弹出窗口"), Qt::AlignLeft | Qt::AlignVCenter);
    fillBody(popup->getCentralWidget(), tr("标题栏、主体和一像素边框，可移动、可缩放。"), nullptr);
    popup->resize(420, 220);
    present(popup);
    showResult(tr("打开了 PopupWindow"));
}

void WindowsPage::openPopupDialog()
{
    auto *dialog = new PopupDialog(this->window(), "");
    dialog->setTitleFlags(WindowControlBox::ControlClose);
    dialog->createWg();
    dialog->getTilte()->setWinTitle(tr("PopupDialog 弹出对话框"), Qt::AlignLeft | Qt::AlignVCenter);
    fillBody(dialog->getCentralWidget(), tr("保存当前画线到模板？"), dialog);
    reportOnFinish(dialog, "PopupDialog");
    present(dialog);
}

void WindowsPage::openTwinkleDialog()
{
    auto *dialog = new KwTwinkleFrameDialog(this->window());
    // No caption of its own: the title is for the window list and the task bar.
    dialog->setWindowTitle(tr("KwTwinkleFrameDialog 闪烁对话框"));
    fillBody(dialog->centralWidget(), tr("KwTwinkleFrameDialog：边框在失去激活时变成黄色。"), dialog);
    dialog->resize(400, 200);
    reportOnFinish(dialog, "KwTwinkleFrameDialog");
    present(dialog);
}

void WindowsPage::openPopupTwinkleDialog()
{
    auto *dialog = new PopupTwinkleFrameDialog(this->window(), "");
    dialog->setTitleFlags(WindowControlBox::ControlClose);
    dialog->createWg();
    dialog->getTilte()->setWinTitle(tr("PopupTwinkleFrameDialog 闪烁弹窗"), Qt::AlignLeft | Qt::AlignVCenter);
    fillBody(dialog->getCentralWidget(), tr("模态时点击主窗口，边框就会闪烁。"), dialog);
    reportOnFinish(dialog, "PopupTwinkleFrameDialog");
    present(dialog);
}

void WindowsPage::showBox(const QString &kind, BoxCall call, QMessageBox::StandardButtons buttons,
                          QMessageBox::StandardButton defaultButton)
{
    const int pressed = call(this->window(), kind, tr("这是一个%1消息框。\n所按按钮的值会显示在下方。").arg(kind),
                             buttons, defaultButton);
    showResult(tr("%1消息框返回 %2").arg(kind).arg(pressed));
}

void WindowsPage::showcase()
{
    // A modal box would block the walk; the same box opened without a modal loop.
    auto *box = new MesBox(this->window(), tr("询问"), tr("是否把 600519 贵州茅台加入自选股？"),
                           QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    box->setStyle(MesBox::Question);
    present(box);
    showResult(tr("打开了询问消息框"));
}
