#include "window/framewidget.h"

#include "window/framelesshelper.h"
#include "window/titlebar.h"

#include <QVBoxLayout>

FrameWidget::FrameWidget(BaseWidget *parent, QString name)
    : BaseWidget(parent, name)
{
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_MouseTracking);
    framelessHelper = new FramelessHelper(this);
    titleBar = new TitleBar(this, "");
    titleBar->createTitleBar();
    mainLayout = new QVBoxLayout;
    installEventFilter(titleBar);
}

FrameWidget::~FrameWidget()
{
    framelessHelper->removeFrom(this);
    // Before create() the layout belongs to nobody.
    if (layout() != mainLayout)
        delete mainLayout;
}

void FrameWidget::create()
{
    resize(800, 600);
    mainLayout->addWidget(titleBar);
    mainLayout->addStretch(0);
    mainLayout->setSpacing(0);
    mainLayout->setContentsMargins(0, 0, 0, 0);
    setLayout(mainLayout);
    framelessHelper->activateOn(this);
    framelessHelper->setTitleHeight(titleBar->height());
    framelessHelper->setWidgetMovable(true);
    framelessHelper->setWidgetResizable(true);
}
