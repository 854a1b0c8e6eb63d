#include "kwupdateuictrl.h"

#include "updatercategory_p.h"
#include "updatestages.h"
#include "ui_kwendupdate.h"
#include "ui_kwfailupdate.h"
#include "ui_kwstartupdate.h"
#include "ui_kwupdateuictrl.h"
#include "ui_kwupdating.h"

#include <QDebug>
#include <QFile>
#include <QStackedWidget>

KwUpdateUiCtrl::KwUpdateUiCtrl(QWidget *parent)
    : QWidget(parent)
    , m_uiCtrl(new Ui::KwUpdateUiCtrl)
    , m_uiStart(new Ui::KwStartUpdate)
    , m_uiUpdating(new Ui::KwUpdating)
    , m_uiEnd(new Ui::KwEndUpdate)
    , m_uiFail(new Ui::KwFailUpdate)
{
    m_uiCtrl->setupUi(this);

    m_stack = new QStackedWidget(this);
    m_startFrame = new QFrame;
    m_midFrame = new QFrame;
    m_endFrame = new QFrame;
    m_failFrame = new QFrame;
    m_startFrame->setObjectName(QStringLiteral("UpdateStartFrame"));
    m_midFrame->setObjectName(QStringLiteral("UpdateMidFrame"));
    m_endFrame->setObjectName(QStringLiteral("UpdateEndFrame"));
    m_failFrame->setObjectName(QStringLiteral("UpdateFailFrame"));
    m_stack->setObjectName(QStringLiteral("UpdateStackWidget"));

    m_uiCtrl->horizontalLayout->addWidget(m_stack);
    m_stack->insertWidget(UpdatePage::Start, m_startFrame);
    m_stack->insertWidget(UpdatePage::Progress, m_midFrame);
    m_stack->insertWidget(UpdatePage::End, m_endFrame);
    m_stack->insertWidget(UpdatePage::Failure, m_failFrame);

    loadStyleSheet();
}

KwUpdateUiCtrl::~KwUpdateUiCtrl()
{
    delete m_uiFail;
    delete m_uiEnd;
    delete m_uiUpdating;
    delete m_uiStart;
    delete m_uiCtrl;
}

// A page's widgets are made when it is first needed: a run shows two of the four, and each
// page made costs its form and the decoding of its pictures, which the window's first
// appearance would otherwise wait for.
void KwUpdateUiCtrl::ensurePage(int index)
{
    const unsigned bit = 1u << index;
    if (m_builtPages & bit)
        return;
    m_builtPages |= bit;
    QWidget *frame = m_stack->widget(index);
    // A form names the frame it is set up on; the style sheet knows the frame by our name.
    const QString name = frame ? frame->objectName() : QString();
    switch (index) {
    case UpdatePage::Start:
        m_uiStart->setupUi(m_startFrame);
        connect(m_uiStart->btn_start_right, &QPushButton::clicked, this, &KwUpdateUiCtrl::signalBtnClickedForEnsure);
        connect(m_uiStart->btn_start_left, &QPushButton::clicked, this, &KwUpdateUiCtrl::signalBtnClickedForCancle);
        break;
    case UpdatePage::Progress:
        m_uiUpdating->setupUi(m_midFrame);
        connect(m_uiUpdating->btn_mid_cancle, &QPushButton::clicked, this, &KwUpdateUiCtrl::signalAbortFinished);
        break;
    case UpdatePage::End:
        m_uiEnd->setupUi(m_endFrame);
        connect(m_uiEnd->btn_end_over, &QPushButton::clicked, this,
                [this] { emit signalBtnClickedForUpdateOver(m_uiEnd->cbox_end_sel->isChecked()); });
        break;
    case UpdatePage::Failure:
        m_uiFail->setupUi(m_failFrame);
        connect(m_uiFail->btn_fail_close, &QPushButton::clicked, this, &KwUpdateUiCtrl::signalFailureClosed);
        break;
    default:
        m_builtPages &= ~bit;
        return;
    }
    frame->setObjectName(name);
}

void KwUpdateUiCtrl::showEvent(QShowEvent *event)
{
    ensurePage(m_stack->currentIndex());
    QWidget::showEvent(event);
}

void KwUpdateUiCtrl::loadStyleSheet()
{
    // The resources sit in a static library: make sure the linker keeps them.
    Q_INIT_RESOURCE(updater);
    QFile file(QStringLiteral(":/img/style.css"));
    if (!file.open(QIODevice::ReadOnly)) {
        qCDebug(lcUpdate).noquote() << file.errorString();
        return;
    }
    setStyleSheet(QString::fromUtf8(file.readAll()));
}

void KwUpdateUiCtrl::slotUpdatePage(int index)
{
    if (index < 0 || index >= m_stack->count())
        return;
    ensurePage(index);
    m_stack->setCurrentIndex(index);
    // Enter and Space close the failure page at once, as the only thing left to do.
    if (m_stack->currentWidget() == m_failFrame)
        m_uiFail->btn_fail_close->setFocus();
}

void KwUpdateUiCtrl::setFailure(const QString &reason)
{
    ensurePage(UpdatePage::Failure);
    m_uiFail->lab_fail_reason->setText(reason);
}

void KwUpdateUiCtrl::initProgress(int min, int max, int value)
{
    ensurePage(UpdatePage::Progress);
    m_uiUpdating->pg_mid_progress->setRange(min, max);
    m_uiUpdating->pg_mid_progress->setValue(value);
}

void KwUpdateUiCtrl::setProgress(int value, const QString &tips)
{
    ensurePage(UpdatePage::Progress);
    if (value != -1)
        m_uiUpdating->pg_mid_progress->setValue(value);
    if (!tips.isEmpty())
        m_uiUpdating->lab_mid_update_tips->setText(tips);
}
