#include "window/kwtwinkleframedialog.h"

#include "window/framelesshelper.h"

#include <QVBoxLayout>

KwTwinkleFrameDialog::KwTwinkleFrameDialog(QWidget *parent)
    : KwTwinkleBaseDialog(parent, "KwTwinkleFrameDialog")
    , m_framelessHelper(new FramelessHelper(this))
    , m_centralWidget(new QWidget(this))
{
    m_framelessHelper->activateOn(this);
    m_framelessHelper->setWidgetMovable(true);
    m_framelessHelper->setWidgetResizable(true);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->addWidget(m_centralWidget);
}

KwTwinkleFrameDialog::~KwTwinkleFrameDialog()
{
    m_framelessHelper->removeFrom(this);
}

QWidget *KwTwinkleFrameDialog::centralWidget()
{
    return m_centralWidget;
}

FramelessHelper *KwTwinkleFrameDialog::framelessHelper()
{
    return m_framelessHelper;
}
