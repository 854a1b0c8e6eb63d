#pragma once

#include <QMutex>
#include <QObject>
#include <QString>

class DownloadUpdate;

// The update worker. It lives in its own thread: it reads the version description, downloads
// the package, checks and unpacks it beside the installation and swaps it in. Progress runs
// from 0 to 120. The window talks to it through queued signals and the three locked calls
// cancel(), isStopped() and updateStep().
class Updater : public QObject
{
    Q_OBJECT

public:
    explicit Updater(QObject *parent = nullptr);

    bool isStopped();
    // 0 preparing or downloading, 1 download over, 2 installation replaced.
    int updateStep();

    // How long the new installation settles (events keep flowing) before it is final; a
    // cancel arriving meanwhile still puts the old one back.
    void setSettleTime(int msec) { m_settleMs = msec; }

signals:
    void signalProgress(int progress, QString context);
    // The update could not be made; the installation is as it was. `reason` is for the log.
    void signalUpdateFailed(QString reason);

public slots:
    void startUpdate(QString verfile, QString updateDir);
    void cancel();
    void downloadProgress(int progress);
    void slotDownloadFinished();

private:
    bool isCanceled();
    void stop(int step);
    void fail(const QString &reason);
    void settle();
    QString packagePath() const;

    QString m_updateDir;
    QMutex m_mutex;
    bool m_stopped = true;
    bool m_canceled = false;
    DownloadUpdate *m_download = nullptr;
    int m_step = 0;
    QString m_tmpDir;
    QString m_sha256;
    int m_settleMs = 1000;
};
