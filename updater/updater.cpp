#include "updater.h"

#include "updatercategory_p.h"
#include "packageinstaller.h"
#include "stagepause.h"
#include "updatestages.h"

#include "downloadupdate.h"
#include "eventwait.h"
#include "kwuserdatamgr.h"
#include "verinfoparse.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QMutexLocker>
#include <QStorageInfo>
#include <QUrl>

namespace {

const QString PackageName = QStringLiteral("kwfn_update.zip");

// Room the package itself needs beside the installation before anything is fetched.
bool packageFits(const QString &installDir, qint64 packageBytes)
{
    const QStorageInfo volume(QFileInfo(installDir).absolutePath());
    return !volume.isValid() || volume.bytesAvailable() < 0 || volume.bytesAvailable() > packageBytes + (32 << 20);
}

} // namespace

Updater::Updater(QObject *parent)
    : QObject(parent)
    , m_tmpDir(KwUserDataMgr::getInstance()->getAllUsersTmpDir())
{
}

Updater::~Updater() = default;

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

void Updater::startUpdate(QString verfile, QString updateDir)
{
    {
        QMutexLocker lock(&m_mutex);
        m_stopped = false;
        m_step = UpdateStep::Downloading;
    }
    emit signalProgress(UpdateProgress::Preparing, tr("准备更新..."));
    const UpdateFlowPrivate info = VerInfoParse::updateInfoParse(verfile);
    m_updateDir = updateDir;
    if (isCanceled()) {
        stop(UpdateStep::Downloading);
        return;
    }
    if (!prepare(updateDir, info))
        return;
    emit signalProgress(UpdateProgress::DownloadStart, tr("正在下载更新包..."));
    qCDebug(lcUpdate).noquote() << Q_FUNC_INFO << "download pack path:" << info.url;
    startDownload(info.url, info.size > 0 ? qMin<qint64>(info.size, MaxPackageBytes) : MaxPackageBytes);
}

// Everything that must hold before a byte is fetched; each refusal costs the user nothing.
bool Updater::prepare(const QString &updateDir, const UpdateFlowPrivate &info)
{
    if (info.url.isEmpty()) {
        fail(UpdateFailure::Description, QStringLiteral("the version description names no package"));
        return false;
    }
    const QString refusal = PackageInstaller::pathRefusal(updateDir);
    if (!refusal.isEmpty()) {
        fail(UpdateFailure::Folder, refusal);
        return false;
    }
    auto installer = std::make_unique<PackageInstaller>(updateDir);
    QString why;
    if (!m_lock.tryLock(installer->lockPath(), &why)) {
        fail(m_lock.heldElsewhere() ? UpdateFailure::AnotherRun : UpdateFailure::Install, why);
        return false;
    }
    m_installer = std::move(installer);
    if (!m_installer->recover()) {
        fail(UpdateFailure::Install, m_installer->errorString());
        return false;
    }
    const QString folderRefusal = PackageInstaller::refusalReason(updateDir);
    if (!folderRefusal.isEmpty()) {
        fail(UpdateFailure::Folder, folderRefusal);
        return false;
    }
    // From here on the folder is named the one way the installer acts on it.
    const QString dir = m_installer->installDir();
    if (!m_check.begin(dir, info.sha256, info.signature)) {
        fail(m_check.failure(), m_check.errorString());
        return false;
    }
    if (!packageFits(dir, info.size)) {
        fail(UpdateFailure::DiskSpace,
             QStringLiteral("no room for a package of %1 bytes beside %2").arg(info.size).arg(updateDir));
        return false;
    }
    if (!m_installer->makePackageDir()) {
        fail(UpdateFailure::Install, m_installer->errorString());
        return false;
    }
    m_package = std::make_unique<QFile>(m_installer->packageDir() + QLatin1Char('/') + PackageName);
    if (!m_package->open(QIODevice::ReadWrite | QIODevice::NewOnly)) {
        fail(UpdateFailure::Install,
             QStringLiteral("cannot make %1: %2").arg(m_package->fileName(), m_package->errorString()));
        return false;
    }
    return true;
}

void Updater::startDownload(const QString &url, qint64 limit)
{
    if (!m_download) {
        auto *download = new DownloadUpdate(this);
        connect(download, &DownloadUpdate::downloadProgress, this, &Updater::downloadProgress);
        connect(download, &DownloadUpdate::dataWritten, this, &Updater::onDataWritten);
        connect(download, &DownloadUpdate::finished, this, &Updater::slotDownloadFinished);
        QMutexLocker lock(&m_mutex);
        m_download = download;
    }
    m_download->setTargetDevice(m_package.get());
    m_download->setMaxBytes(limit);
    bool started = false;
    m_download->downloadUnBlocked(QUrl(url, QUrl::TolerantMode), &started, DownloadUpdate::DownloadUpdatePackage);
    // A cancel that came while the download was being set up found nothing to abort yet.
    if (isCanceled())
        m_download->abort();
}

void Updater::onDataWritten(const QByteArray &chunk)
{
    m_check.addData(chunk);
    if (!m_pausedInDownload) {
        m_pausedInDownload = true;
        pauseAtStage("download");
    }
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
        emit signalProgress(UpdateProgress::DownloadStart + progress, tr("正在下载更新包..."));
}

void Updater::slotDownloadFinished()
{
    {
        QMutexLocker lock(&m_mutex);
        m_step = UpdateStep::DownloadOver;
    }
    if (isCanceled()) {
        discardPackage();
        stop(UpdateStep::DownloadOver);
        return;
    }
    if (!m_download->succeeded()) {
        fail(UpdateFailure::Network, QStringLiteral("download failed: %1").arg(m_download->errorString()));
        return;
    }
    qCDebug(lcUpdate) << "download finished";
    emit signalProgress(UpdateProgress::Downloaded, tr("下载完成"));
    emit signalProgress(UpdateProgress::Downloaded, tr("正在解压..."));
    if (!install())
        return;
    settle();
    if (isCanceled()) {
        if (!m_installer->rollback())
            qCCritical(lcUpdate).noquote() << "cannot put the old installation back:" << m_installer->errorString();
        stop(UpdateStep::DownloadOver);
        return;
    }
    m_installer->commit();
    qCDebug(lcUpdate) << "update complete";
    stop(UpdateStep::Replaced);
    emit signalProgress(UpdateProgress::Complete, tr("更新完成..."));
}

// Checks the downloaded bytes, then unpacks them from the one open file and swaps the result in.
bool Updater::install()
{
    if (!m_check.finish()) {
        fail(m_check.failure(), m_check.errorString());
        return false;
    }
    pauseAtStage("verified");
    if (m_package->size() != m_check.bytes()) {
        fail(UpdateFailure::Package, QStringLiteral("the package changed on disk after it was downloaded"));
        return false;
    }
    QStringList files;
    const bool staged = m_package->seek(0) && m_installer->stagePackage(m_package.get(), &files);
    discardPackage();
    if (!staged) {
        fail(m_installer->lackedSpace() ? UpdateFailure::DiskSpace : UpdateFailure::Package,
             m_installer->errorString());
        return false;
    }
    if (isCanceled()) {
        m_installer->discardStaging();
        stop(1);
        return false;
    }
    if (!m_installer->replace()) {
        fail(UpdateFailure::Install, m_installer->errorString());
        return false;
    }
    qCDebug(lcUpdate).noquote() << QStringLiteral("compressed:") + m_installer->packageDir() + QLatin1Char('/') +
                                           PackageName + QStringLiteral(" to:") + m_updateDir;
    qCDebug(lcUpdate).noquote() << "compressed files:" << files.join(QStringLiteral(", "));
    return true;
}

void Updater::discardPackage()
{
    m_package.reset();
    m_installer->discardPackageDir();
}

void Updater::settle()
{
    pauseAtStage("pause");
    waitHandlingEvents(m_settleMs);
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
    m_lock.unlock();
}

void Updater::fail(UpdateFailure cause, const QString &reason)
{
    logUpdateFailure(reason);
    // Only a run that holds the lock made anything beside the installation.
    if (m_installer && m_lock.isLocked()) {
        m_installer->discardStaging();
        discardPackage();
    }
    stop(updateStep());
    emit signalUpdateFailed(int(cause), reason);
}
