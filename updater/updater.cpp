#include "updater.h"

#include "packageinstaller.h"

#include "downloadupdate.h"
#include "kwuserdatamgr.h"
#include "verinfoparse.h"

#include <QDebug>
#include <QEventLoop>
#include <QMutexLocker>
#include <QTimer>
#include <QUrl>

Updater::Updater(QObject *parent)
    : QObject(parent)
    , m_tmpDir(KwUserDataMgr::getInstance()->getAllUsersDir() + QStringLiteral("/tmp"))
{
}

bool Updater::isStopped()
{
    QMutexLocker lock(&m_mutex);
    return m_stopped;
}

int Updater::updateStep()
{
    QMutexLocker lock(&m_mutex);
    return m_step;
}

bool Updater::isCanceled()
{
    QMutexLocker lock(&m_mutex);
    return m_canceled;
}

QString Updater::packagePath() const
{
    return m_tmpDir + QStringLiteral("/kwfn_update.zip");
}

void Updater::startUpdate(QString verfile, QString updateDir)
{
    {
        QMutexLocker lock(&m_mutex);
        m_stopped = false;
        m_step = 0;
    }
    emit signalProgress(0, QStringLiteral("准备更新..."));
    const UpdateFlowPrivate info = VerInfoParse::updateInfoParse(verfile);
    m_updateDir = updateDir;
    m_sha256 = info.sha256;
    if (isCanceled()) {
        stop(0);
        return;
    }
    // Checked before anything is fetched: a wrong folder must cost the user nothing.
    const QString refusal = PackageInstaller::refusalReason(m_updateDir);
    if (!refusal.isEmpty()) {
        fail(refusal);
        return;
    }
    emit signalProgress(10, QStringLiteral("正在下载更新包..."));
    if (!m_download) {
        auto *download = new DownloadUpdate(this);
        connect(download, &DownloadUpdate::downloadProgress, this, &Updater::downloadProgress);
        connect(download, &DownloadUpdate::finished, this, &Updater::slotDownloadFinished);
        QMutexLocker lock(&m_mutex);
        m_download = download;
    }
    qDebug().noquote() << Q_FUNC_INFO << "download pack path:" << info.url;
    bool started = false;
    m_download->downloadUnBlocked(QUrl(info.url, QUrl::TolerantMode), &started, DownloadUpdate::DownloadUpdatePackage);
    // A cancel that came while the download was being set up found nothing to abort yet.
    if (isCanceled())
        m_download->abort();
}

void Updater::cancel()
{
    QMutexLocker lock(&m_mutex);
    m_canceled = true;
    if (m_download)
        m_download->abort();
}

void Updater::downloadProgress(int progress)
{
    if (!isCanceled())
        emit signalProgress(progress + 10, QStringLiteral("正在下载更新包..."));
}

void Updater::slotDownloadFinished()
{
    {
        QMutexLocker lock(&m_mutex);
        m_step = 1;
    }
    if (isCanceled()) {
        stop(1);
        return;
    }
    if (!m_download->succeeded()) {
        fail(QStringLiteral("download failed: %1").arg(m_download->errorString()));
        return;
    }
    qDebug() << "download finished";
    emit signalProgress(110, QStringLiteral("下载完成"));
    emit signalProgress(110, QStringLiteral("正在解压..."));

    PackageInstaller installer(m_updateDir);
    QStringList files;
    if (!installer.stagePackage(packagePath(), m_sha256, &files)) {
        fail(installer.errorString());
        return;
    }
    if (isCanceled()) {
        installer.discardStaging();
        stop(1);
        return;
    }
    if (!installer.replace()) {
        fail(installer.errorString());
        return;
    }
    qDebug().noquote() << QStringLiteral("compressed:") + packagePath() + QStringLiteral(" to:") + m_updateDir;
    qDebug().noquote() << "compressed files:" << files.join(QStringLiteral(", "));
    settle();
    if (isCanceled()) {
        if (!installer.rollback())
            qCritical().noquote() << "cannot put the old installation back:" << installer.errorString();
        stop(1);
        return;
    }
    installer.commit();
    stop(2);
    emit signalProgress(120, QStringLiteral("更新完成..."));
}

void Updater::settle()
{
    // Waits in the event loop rather than spinning: the worker stays responsive, the CPU idle.
    QEventLoop loop;
    QTimer::singleShot(m_settleMs, &loop, &QEventLoop::quit);
    loop.exec();
}

void Updater::stop(int step)
{
    DownloadUpdate *download = nullptr;
    {
        QMutexLocker lock(&m_mutex);
        m_step = step;
        m_stopped = true;
        download = m_download;
        m_download = nullptr;
    }
    // Released in this thread, which owns its network objects; cancel() no longer sees it.
    if (download)
        download->deleteLater();
}

void Updater::fail(const QString &reason)
{
    qWarning().noquote() << "update failed, the installation was kept:" << reason;
    stop(updateStep());
    emit signalUpdateFailed(reason);
}
