#pragma once

#include "packagecheck.h"
#include "runlock.h"
#include "updatestages.h"

#include <QFile>
#include <QMutex>
#include <QObject>
#include <QString>

#include <memory>

class DownloadUpdate;
struct UpdateFlowPrivate;
class PackageInstaller;

// The update worker. It lives in its own thread: it reads the version description, locks the
// installation, finishes what an interrupted run left, downloads the package while checking
// its checksum and signature, unpacks it beside the installation and swaps it in. Progress
// runs from 0 to 120. The window talks to it through queued signals and the three locked
// calls cancel(), isStopped() and updateStep().
class Updater : public QObject
{
    Q_OBJECT

public:
    // The largest package accepted, whatever the description says.
    static constexpr qint64 MaxPackageBytes = qint64(2) << 30;

    explicit Updater(QObject *parent = nullptr);
    ~Updater() override;

    bool isStopped();
    // An UpdateStep: preparing or downloading, download over, installation replaced.
    int updateStep();

    // How long the new installation settles (events keep flowing) before it is final; a
    // cancel arriving meanwhile still puts the old one back.
    void setSettleTime(int msec) { m_settleMs = msec; }

signals:
    void signalProgress(int progress, QString context);
    // The update could not be made; the installation is as it was. `cause` is an
    // UpdateFailure, `reason` the details for the log.
    void signalUpdateFailed(int cause, QString reason);

public slots:
    void startUpdate(QString verfile, QString updateDir);
    void cancel();
    void downloadProgress(int progress);
    void slotDownloadFinished();

private:
    bool prepare(const QString &updateDir, const UpdateFlowPrivate &info);
    void startDownload(const QString &url, qint64 limit);
    void onDataWritten(const QByteArray &chunk);
    bool install();
    void discardPackage();
    bool isCanceled();
    void stop(int step);
    void fail(UpdateFailure cause, const QString &reason);
    void settle();

    QString m_updateDir;
    QMutex m_mutex;
    bool m_stopped = true;
    bool m_canceled = false;
    DownloadUpdate *m_download = nullptr;
    int m_step = UpdateStep::Downloading;
    QString m_tmpDir;
    int m_settleMs = 1000;
    std::unique_ptr<PackageInstaller> m_installer;
    RunLock m_lock;
    PackageCheck m_check;
    // The package: written by the download, hashed as it arrives, then read back for
    // unpacking through this same open file.
    std::unique_ptr<QFile> m_package;
    bool m_pausedInDownload = false;
};
