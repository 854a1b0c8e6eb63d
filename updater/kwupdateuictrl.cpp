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
    , m_uiCtrl(std::make_unique<Ui::KwUpdateUiCtrl>())
{
    m_uiCtrl->setupUi(this);

    m_stack = new QStackedWidget(this);
    m_stack->setObjectName(QStringLiteral("UpdateStackWidget"));
    m_uiCtrl->horizontalLayout->addWidget(m_stack);
    // Until a page is made its place holds a bare widget, which no rule of the style sheet
    // names: the pages' backgrounds are decoded only for the pages a run shows.
    for (int index = UpdatePage::Start; index <= UpdatePage::Failure; ++index)
        m_stack->insertWidget(index, new QWidget);

    loadStyleSheet();
}

// Defined here, where the forms are complete types.
KwUpdateUiCtrl::~KwUpdateUiCtrl() = default;

// A page's widgets are made when it is first needed: a run shows two of the four, and each
// page made costs its form and the decoding of its pictures, which the window's first
// appearance would otherwise wait for.
void KwUpdateUiCtrl::ensurePage(int index)
{
    if (index < UpdatePage::Start || index > UpdatePage::Failure || m_pages[index])
        return;
    // The style sheet knows each page by these names.
    static const char *const names[] = {"UpdateStartFrame", "UpdateMidFrame", "UpdateEndFrame", "UpdateFailFrame"};
    auto *frame = new QFrame;
    switch (index) {
    case UpdatePage::Start:
        m_uiStart = std::make_unique<Ui::KwStartUpdate>();
        m_uiStart->setupUi(frame);
        connect(m_uiStart->btn_start_right, &QPushButton::clicked, this, &KwUpdateUiCtrl::signalBtnClickedForEnsure);
        connect(m_uiStart->btn_start_left, &QPushButton::clicked, this, &KwUpdateUiCtrl::signalBtnClickedForCancle);
        break;
    case UpdatePage::Progress:
        m_uiUpdating = std::make_unique<Ui::KwUpdating>();
        m_uiUpdating->setupUi(frame);
        connect(m_uiUpdating->btn_mid_cancle, &QPushButton::clicked, this, &KwUpdateUiCtrl::signalAbortFinished);
        if (m_pendingValue != -1)
            m_uiUpdating->pg_mid_progress->setValue(m_pendingValue);
        if (!m_pendingTip.isEmpty())
            m_uiUpdating->lab_mid_update_tips->setText(m_pendingTip);
        break;
    case UpdatePage::End:
        m_uiEnd = std::make_unique<Ui::KwEndUpdate>();
        m_uiEnd->setupUi(frame);
        connect(m_uiEnd->btn_end_over, &QPushButton::clicked, this,
                [this] { emit signalBtnClickedForUpdateOver(m_uiEnd->cbox_end_sel->isChecked()); });
        break;
    case UpdatePage::Failure:
        m_uiFail = std::make_unique<Ui::KwFailUpdate>();
        m_uiFail->setupUi(frame);
        connect(m_uiFail->btn_fail_close, &QPushButton::clicked, this, &KwUpdateUiCtrl::signalFailureClosed);
        break;
    }
    // A form names the frame it is set up on: the name goes after it.
    frame->setObjectName(QLatin1String(names[index]));
    m_pages[index] = frame;
    // The page takes its placeholder's place; the page shown stays the one shown.
    const bool wasCurrent = m_stack->currentIndex() == index;
    QWidget *placeholder = m_stack->widget(index);
    m_stack->insertWidget(index, frame);
    m_stack->removeWidget(placeholder);
    delete placeholder;
    if (wasCurrent)
        m_stack->setCurrentIndex(index);
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
    if (index < UpdatePage::Start || index > UpdatePage::Failure)
        return;
    ensurePage(index);
    m_stack->setCurrentIndex(index);
    // Enter and Space close the failure page at once, as the only thing left to do.
    if (index == UpdatePage::Failure)
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
    if (!m_pages[UpdatePage::Progress]) {
        // Nothing shows the bar yet (a run that fails before it starts never does): keep what
        // it would show for when the page is made.
        if (value != -1)
            m_pendingValue = value;
        if (!tips.isEmpty())
            m_pendingTip = tips;
        return;
    }
    if (value != -1)
        m_uiUpdating->pg_mid_progress->setValue(value);
    if (!tips.isEmpty())
        m_uiUpdating->lab_mid_update_tips->setText(tips);
}
