#include "widgets/keytipsdlg.h"

#include "widgets/keytipsmaster.h"
#include "window/titlebar.h"

#include <QGridLayout>

KeyTipsDlg::KeyTipsDlg(QWidget *parent)
    : PopupTwinkleFrameDialog(parent, "")
{
    setFixedSize(672, 338);
    master = new KeyTipsMaster;

    setTitleAndBodyInterval(1);
    setTitleFlags(WindowControlBox::ControlClose);
    createWg();

    auto *layout = new QGridLayout(getCentralWidget());
    layout->setSpacing(0);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setVerticalSpacing(1);
    layout->addWidget(master, 0, 0);

    getTilte()->setWinTitle(tr("快捷键提示"), Qt::AlignCenter);
}

KeyTipsMaster *KeyTipsDlg::getMaster() const
{
    return master;
}
