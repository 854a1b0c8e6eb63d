#include "window/mesbox.h"

#include "window/msgview_p.h"
#include "window/titlebar.h"

#include <QPushButton>
#include <QVBoxLayout>

MesBox::MesBox(QWidget *parent, const QString &title, const QString &text, QMessageBox::StandardButtons buttons,
               QMessageBox::StandardButton defaultButton)
    : PopupTwinkleFrameDialog(parent, "")
{
    setTitleFlags(WindowControlBox::ControlClose);
    createWg();
    getTilte()->setWinTitle(title, Qt::AlignLeft | Qt::AlignVCenter);

    // Built without parent: a QDialog child would stay a window of its own, while the layout
    // adopts a parentless widget as a plain child of the body.
    msgView = new MsgView(nullptr, text, buttons, defaultButton);
    auto *layout = new QVBoxLayout(getCentralWidget());
    layout->setSpacing(0);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(msgView);

    connect(msgView, &MsgView::btnClicked, this, &MesBox::onButtonClicked);
    msgView->setFocus(Qt::OtherFocusReason);
}

void MesBox::setStyle(int style)
{
    static const char *const names[] = {"info", "question", "warning", "error"};
    if (style >= Information && style <= Error) {
        msgView->iconButton->setObjectName(names[style - Information]);
        msgView->iconButton->show();
    } else {
        msgView->iconButton->hide();
    }
}

void MesBox::onButtonClicked(int nRet)
{
    done(nRet);
}
