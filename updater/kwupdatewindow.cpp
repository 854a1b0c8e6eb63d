#include "kwupdatewindow.h"

#include "updatercategory_p.h"
#include "kwupdateuictrl.h"
#include "packageinstaller.h"
#include "updatefailure.h"
#include "updater.h"
#include "updatestages.h"

#include "eventwait.h"
#include "kwqtcompat.h"
#include "kwuserdatamgr.h"

#include <QCloseEvent>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QMouseEvent>
#include <QProcess>
#include <QThread>
#include <QVBoxLayout>

namespace {

// The progress line under a failure.
QString failedTip()
{
    return KwUpdateWindow::tr("更新失败，已保留原有程序");
}

} // namespace

KwUpdateWindow::KwUpdateWindow(QWidget *parent)
    : QDialog(parent)
    , KwObject(QString(""))
    , m_updater(std::make_unique<Updater>())
    , m_thread(new QThread(this))
    , m_uiCtrl(new KwUpdateUiCtrl(this))
    , m_restartDir(QDir::currentPath())
{
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    setObjectName(QStringLiteral("updatewindow"));
    m_tmpDir = KwUserDataMgr::getInstance()->getAllUsersTmpDir();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_uiCtrl);
    setContentsMargins(0, 0, 0, 0);

    m_updater->moveToThread(m_thread);

    connect(m_uiCtrl, &KwUpdateUiCtrl::signalAbortFinished, this, &KwUpdateWindow::cancelUpdate);
    connect(m_uiCtrl, &KwUpdateUiCtrl::signalBtnClickedForUpdateOver, this, &KwUpdateWindow::slotUpdateFinished);
    connect(m_updater.get(), &Updater::signalProgress, this, &KwUpdateWindow::slotProgress);
    connect(this, &KwUpdateWindow::signalUpdateUi, m_uiCtrl, &KwUpdateUiCtrl::slotUpdatePage);
    connect(this, &KwUpdateWindow::signalStart, m_updater.get(), &Updater::startUpdate);
    connect(m_updater.get(), &Updater::signalUpdateFailed, this, &KwUpdateWindow::slotUpdateFailed);
    connect(m_uiCtrl, &KwUpdateUiCtrl::signalFailureClosed, this, &KwUpdateWindow::leave);

    resize(510, 310);
}

KwUpdateWindow::~KwUpdateWindow()
{
    if (m_thread->isRunning()) {
        m_thread->quit();
        m_thread->wait();
    }
}

void KwUpdateWindow::beginUpdate(const QString &verfile, const QString &updateDir)
{
    m_uiCtrl->initProgress(UpdateProgress::Preparing, UpdateProgress::Complete, UpdateProgress::Preparing);
    m_updateDir = updateDir;
    m_verFile = verfile;
    emit signalUpdateUi(UpdatePage::Progress);
    m_thread->start(QThread::InheritPriority);
    emit signalStart(m_verFile, m_updateDir);
}

void KwUpdateWindow::slotProgress(int progress, QString context)
{
    m_uiCtrl->setProgress(progress, context);
    if (progress != UpdateProgress::Complete)
        return;
    m_thread->quit();
    m_thread->wait();
    removePackage();
    emit signalUpdateUi(UpdatePage::End);
}

void KwUpdateWindow::failBeforeStart(int cause, const QString &reason)
{
    logUpdateFailure(reason);
    slotUpdateFailed(cause, reason);
}

void KwUpdateWindow::slotUpdateFailed(int cause, QString)
{
    // The reason is in the log; the user learns, in plain words, why and that nothing is lost.
    m_failed = true;
    removePackage();
    m_uiCtrl->setProgress(-1, failedTip());
    m_uiCtrl->setFailure(failureText(static_cast<UpdateFailure>(cause)));
    emit signalUpdateUi(UpdatePage::Failure);
}

void KwUpdateWindow::slotUpdateFinished(bool isRun)
{
    const QString command = QStringLiteral("\"") + m_updateDir + QStringLiteral("/kwfnd.exe\"");
    if (isRun) {
        const QStringList parts = QProcess::splitCommand(command);
        if (!QProcess::startDetached(parts.value(0), QStringList(), m_restartDir))
            qCWarning(lcUpdate).noquote() << "cannot start" << command;
    }
    leave();
}

void KwUpdateWindow::cancelUpdate()
{
    if (m_canceling)
        return;
    if (m_failed) {
        leave();
        return;
    }
    m_canceling = true;
    m_uiCtrl->setProgress(-1, tr("正在取消..."));
    m_updater->cancel();
    while (!m_updater->isStopped())
        waitHandlingEvents(100);
    const int step = m_updater->updateStep();
    if (step != UpdateStep::Downloading)
        removePackage();
    if (step == UpdateStep::Replaced) {
        // Too late: the new installation was final before the worker saw the cancel, and the
        // end page (progress 120) says so. Putting the client's copy from the all-users folder
        // in its place instead would install files that nobody checked and anybody could have
        // written there, or an installation with nothing in it.
        qCWarning(lcUpdate) << "cancel came after the update was complete; the new installation stays";
        m_canceling = false;
        return;
    }
    m_uiCtrl->setProgress(-1, m_failed ? failedTip() : tr("更新已经取消"));
    leave();
}

bool KwUpdateWindow::copyDir(const QString &fromDir, const QString &toDir, bool overwrite)
{
    return PackageInstaller::copyDir(fromDir, toDir, overwrite);
}

void KwUpdateWindow::leave()
{
    emit signalQuit(exitCode());
}

void KwUpdateWindow::removePackage()
{
    QFile::remove(m_tmpDir + QStringLiteral("/kwfn_update.zip"));
}

void KwUpdateWindow::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    // The cursor's offset in the window, taken from the event alone: under a window manager the
    // position Qt believes the window has can be stale until the first move (the manager placed
    // it), and a drag computed from that would throw the window to where Qt believed it was.
    m_dragOffset = event->pos();
    event->accept();
    m_pressed = true;
}

void KwUpdateWindow::mouseMoveEvent(QMouseEvent *event)
{
    if (m_pressed && event->buttons() != Qt::NoButton)
        move(KwQt::globalPos(event) - m_dragOffset);
    event->accept();
}

void KwUpdateWindow::mouseReleaseEvent(QMouseEvent *)
{
    m_pressed = false;
}

void KwUpdateWindow::reject()
{
    // QDialog would hide the window and leave the process running without it.
    close();
}

void KwUpdateWindow::closeEvent(QCloseEvent *event)
{
    if (!m_updater->isStopped()) {
        QMessageBox::warning(nullptr, tr("正在更新"), tr("正在更新程序，请取消或者等待结束。"), QMessageBox::Ok);
        event->ignore();
        return;
    }
    event->accept();
    leave();
}
