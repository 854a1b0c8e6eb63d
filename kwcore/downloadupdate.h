#pragma once

#include "kwcore_export.h"

#include <QObject>
#include <QString>
#include <QUrl>

#include <atomic>
#include <memory>

class QIODevice;
class QNetworkAccessManager;
class QNetworkReply;

// Fetches one file at a time over http, https or file URLs into the all-users "tmp" folder,
// without blocking the thread it lives in.
//
// The body is streamed to "<target>.part" as it arrives and renamed to the target only when
// the whole body is there, so a half-written or stale file is never taken for the real one.
// Every started download ends with exactly one finished(): an empty text on success,
// otherwise the reason (HTTP status, network error, truncated body, write error, abort).
// After a failure neither the .part file nor the target exists.
//
// Call downloadUnBlocked() in the thread the downloader lives in; abort() may be called from
// any thread. Destroying a running downloader cancels the download without a signal.
class KWCORE_EXPORT DownloadUpdate : public QObject
{
    Q_OBJECT

public:
    enum DownloadType {
        DownloadFile = 0,           // any file, kept under the URL's file name
        DownloadConfig = 1,         // a configuration file, kept under the URL's file name
        DownloadResource = 2,       // a picture or other resource, kept under the URL's file name
        DownloadUpdatePackage = 3   // the update package: always <all-users>/tmp/kwfn_update.zip
    };
    Q_ENUM(DownloadType)

    explicit DownloadUpdate(QObject *parent = nullptr);
    ~DownloadUpdate() override;

    // Starts fetching `url` and returns at once. `*flag` (when not null) is set before the
    // call returns: true when the transfer started; the pointer is not kept. When it could
    // not start (invalid URL, unsupported scheme, target not writable) finished() still
    // comes, from the event loop, with the reason. A download still running is aborted
    // first and gets its own finished().
    void downloadUnBlocked(const QUrl &url, bool *flag, const DownloadType &type);

    // Stops the download that is running (or being started) at the time of the call. Safe
    // from any thread: from another one, the stop is carried out in the downloader's thread
    // soon after. Does nothing when no download runs.
    void abort();

    // Where a download of `url` as `type` is written by default.
    static QString targetPath(const QUrl &url, DownloadType type);

    // Writes the downloads started afterwards into `device` (open for writing, owned by the
    // caller, which must outlive them) instead of a file of their own: nothing is renamed,
    // closed or removed, and after a failure the device holds what arrived. A caller that
    // keeps the one open file it checks and reads the bytes from can trust that nobody
    // swapped the file in between. Null restores files.
    void setTargetDevice(QIODevice *device);
    // A download that announces or delivers more than `bytes` fails as soon as that is known,
    // without writing the excess; 0 (the default) sets no limit. Applies to downloads started
    // afterwards.
    void setMaxBytes(qint64 bytes);

    // Aborts a transfer that receives nothing for this long; 0 waits for ever. Applies to
    // downloads started afterwards. Default: 60 s.
    void setTransferTimeout(int msec);
    int transferTimeout() const;

    bool isRunning() const;
    // Outcome of the last finished download.
    bool succeeded() const;
    QString errorString() const;
    // Target of the last started download.
    QString filePath() const;

signals:
    // 0..100; emitted when the percentage changes. 100 only when a download succeeded.
    void downloadProgress(const int &progress);
    // Every piece of the body right after it was written, in order, so that a receiver in
    // this thread can hash the download without reading the file again.
    void dataWritten(const QByteArray &chunk);
    void finished(const QString &text);

private:
    struct Job;

    void failLater(const QUrl &url, const QString &reason);
    bool openTargetFile(Job &job, const QUrl &url, DownloadType type);
    void onReadyRead(QNetworkReply *reply);
    void onReplyFinished(QNetworkReply *reply);
    bool abortRequested() const;
    void endJob(const QString &reason);

    QNetworkAccessManager *m_nam = nullptr;
    std::unique_ptr<Job> m_job;
    // Each start takes a new generation, so an abort posted from another thread can tell the
    // download it was meant for from one started after it.
    std::atomic<quint64> m_generation{0};
    std::atomic<quint64> m_abortGeneration{0};
    int m_transferTimeout = 60000;
    QIODevice *m_targetDevice = nullptr;
    qint64 m_maxBytes = 0;
    bool m_succeeded = false;
    QString m_errorString;
    QString m_filePath;
};
