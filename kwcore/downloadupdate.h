#pragma once

/// \file
/// DownloadUpdate: fetches one file at a time without blocking its thread.

#include "kwcore_export.h"

#include <QObject>
#include <QString>
#include <QUrl>

#include <atomic>
#include <memory>

class QIODevice;
class QNetworkAccessManager;
class QNetworkReply;

/// Fetches one file at a time over http, https or file URLs into the all-users "tmp" folder,
/// without blocking the thread it lives in.
///
/// The body is streamed to `<target>.part` as it arrives and renamed to the target only when the
/// whole body is there, so a half-written or stale file is never taken for the real one. An
/// earlier file at the target is removed when a download to it starts. Every started download
/// ends with exactly one finished(): an empty text on success, otherwise the reason (HTTP status,
/// network error, truncated body, write error, abort). After a failure neither the .part file nor
/// the target exists. Redirects are followed unless they lead from https to http.
///
/// \code
/// auto *download = new DownloadUpdate(this);
/// connect(download, &DownloadUpdate::downloadProgress, bar, &QProgressBar::setValue);
/// connect(download, &DownloadUpdate::finished, this, [download](const QString &error) {
///     if (error.isEmpty())
///         install(download->filePath());
/// });
/// bool started = false;
/// download->downloadUnBlocked(url, &started, DownloadUpdate::DownloadUpdatePackage);
/// \endcode
///
/// Ownership: a plain QObject, deleted by its parent or its user; it owns its network access
/// manager and the file it writes, never a device given to setTargetDevice().
///
/// Threading: call downloadUnBlocked() in the thread the downloader lives in (from another thread
/// the download fails with a finished() that says so); its signals come from that thread too.
/// abort() may be called from any thread. Destroying a running downloader cancels the download
/// without a signal and removes its .part file.
/// \ingroup core
class KWCORE_EXPORT DownloadUpdate : public QObject
{
    Q_OBJECT

public:
    /// What a download fetches; decides where targetPath() puts it.
    enum DownloadType {
        DownloadFile = 0, ///< Any file, kept under the URL's file name.
        DownloadConfig = 1, ///< A configuration file, kept under the URL's file name.
        DownloadResource = 2, ///< A picture or other resource, under the URL's file name.
        DownloadUpdatePackage = 3 ///< The update package: `<all-users>/tmp/kwfn_update.zip`.
    };
    Q_ENUM(DownloadType)

    /// An idle downloader; the network access manager is made at the first download.
    explicit DownloadUpdate(QObject *parent = nullptr);
    /// Cancels a running download without finished() and removes its .part file.
    ~DownloadUpdate() override;

    /// Starts fetching `url` and returns at once.
    ///
    /// `*flag` (when not null) is set before the call returns: true when the transfer started;
    /// the pointer is not kept. When it could not start (invalid URL, unsupported scheme, a file
    /// URL that is not a regular file, target not writable, a call from another thread)
    /// finished() still comes, from the event loop, with the reason. A download still running is
    /// aborted first and gets its own finished(). The settings (target device, size limit,
    /// transfer timeout) in force now apply to this download until it ends.
    void downloadUnBlocked(const QUrl &url, bool *flag, const DownloadType &type);

    /// Stops the download that is running (or being started) at the time of the call.
    ///
    /// Safe from any thread: from another one, the stop is carried out in the downloader's thread
    /// soon after. The download ends with finished("download aborted"). Does nothing when no
    /// download runs; a download started after the call is not touched.
    void abort();

    /// Where a download of `url` as `type` is written by default.
    ///
    /// `<all-users>/tmp/kwfn_update.zip` for DownloadUpdatePackage; otherwise the URL's file
    /// name in the all-users "tmp" folder, with '\\' and ':' replaced by '_' so that a name from a
    /// server stays inside the folder ("download" when the URL has no usable name).
    static QString targetPath(const QUrl &url, DownloadType type);

    /// Writes the downloads started afterwards into `device` instead of a file of their own.
    ///
    /// The device is open for writing, owned by the caller, and must outlive the downloads:
    /// nothing is renamed, closed or removed, and after a failure the device holds what arrived.
    /// A caller that keeps the one open file it checks and reads the bytes from can trust that
    /// nobody swapped the file in between. Null restores files.
    void setTargetDevice(QIODevice *device);
    /// Limits the size of the downloads started afterwards.
    ///
    /// A download that announces or delivers more than `bytes` fails as soon as that is known,
    /// without writing the excess; 0 (the default) sets no limit.
    void setMaxBytes(qint64 bytes);

    /// Aborts a transfer that receives nothing for `msec` milliseconds; 0 waits for ever.
    ///
    /// Applies to downloads started afterwards; a negative value counts as 0. Default: 60 s.
    void setTransferTimeout(int msec);
    /// The transfer timeout in milliseconds that the next download gets; 0: none.
    int transferTimeout() const;

    /// Whether a download is under way (started and not yet finished).
    bool isRunning() const;
    /// Whether the last finished download succeeded; false before any and while one runs.
    bool succeeded() const;
    /// The reason the last download failed; empty after a success or before any end.
    QString errorString() const;
    /// Target of the last started download.
    ///
    /// The file it is renamed to, or the file name of a target device that is a file; empty when
    /// it could not start before a target was known.
    QString filePath() const;

signals:
    /// The percentage of the body written, 0 to 100; emitted when it changes.
    ///
    /// Stays below 100 while the download runs (and at 0 when the server gives no length); 100 is
    /// emitted only once a download succeeded, right before its finished().
    void downloadProgress(const int &progress);
    /// Every piece of the body right after it was written, in order.
    ///
    /// A receiver in this thread can hash the download without reading the file again. A
    /// receiver may abort or restart the download from here.
    void dataWritten(const QByteArray &chunk);
    /// The download ended: `text` is empty on success, otherwise the reason it failed.
    ///
    /// Emitted exactly once per downloadUnBlocked() call, also when the download could not start
    /// (then from the event loop, after the call returned). abort() in the downloader's thread
    /// emits it before it returns, and so does downloadUnBlocked() for the download it replaces.
    /// A receiver may start the next download from here.
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
