#include "downloadupdate.h"

#include "corelog_p.h"
#include "kwuserdatamgr.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QThread>

namespace {

// Read granularity: bounds the memory one readyRead costs, whatever the reply buffered.
constexpr qint64 ChunkBytes = 256 * 1024;

QString abortedText()
{
    return QStringLiteral("download aborted");
}

// A non-2xx final status, as "HTTP 404 Not Found"; empty when the reply is fine so far or
// is not HTTP.
QString httpFailure(QNetworkReply *reply)
{
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (!status.isValid())
        return QString();
    const int code = status.toInt();
    if (code >= 200 && code < 300)
        return QString();
    const QString phrase = reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
    return QStringLiteral("HTTP %1 %2").arg(code).arg(phrase).trimmed();
}

} // namespace

struct DownloadUpdate::Job
{
    quint64 generation = 0;
    QUrl url;
    QString path;
    QString partPath;
    QFile file;
    QIODevice *out = nullptr; // `file`, or the caller's device
    QPointer<QNetworkReply> reply;
    qint64 written = 0;
    qint64 expected = -1; // Content-Length, -1 when the server did not say
    int lastPercent = -1;
    int timeout = 0; // transfer timeout this download runs with
    qint64 maxBytes = 0; // 0: no limit
};

DownloadUpdate::DownloadUpdate(QObject *parent)
    : QObject(parent)
{
}

DownloadUpdate::~DownloadUpdate()
{
    if (!m_job)
        return;
    // No finished() from here: the receivers may be half destroyed (typically our parent).
    qCDebug(lcCore).noquote() << "DownloadUpdate: cancelled on destruction" << m_job->url.toDisplayString();
    if (m_job->reply) {
        m_job->reply->disconnect(this);
        m_job->reply->abort();
    }
    if (!m_job->partPath.isEmpty()) {
        m_job->file.close();
        QFile::remove(m_job->partPath);
    }
}

QString DownloadUpdate::targetPath(const QUrl &url, DownloadType type)
{
    const QString dir = KwUserDataMgr::getInstance()->getAllUsersTmpDir();
    if (type == DownloadUpdatePackage)
        return dir + QStringLiteral("/kwfn_update.zip");
    QString name = url.fileName(QUrl::FullyDecoded);
    // The name comes from a server: keep it inside the folder on every system.
    name.replace(QLatin1Char('\\'), QLatin1Char('_')).replace(QLatin1Char(':'), QLatin1Char('_'));
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        name = QStringLiteral("download");
    return dir + QLatin1Char('/') + name;
}

void DownloadUpdate::setTargetDevice(QIODevice *device)
{
    m_targetDevice = device;
}

void DownloadUpdate::setMaxBytes(qint64 bytes)
{
    m_maxBytes = qMax<qint64>(0, bytes);
}

void DownloadUpdate::setTransferTimeout(int msec)
{
    m_transferTimeout = qMax(0, msec);
}

int DownloadUpdate::transferTimeout() const
{
    return m_transferTimeout;
}

bool DownloadUpdate::isRunning() const
{
    return m_job != nullptr;
}

bool DownloadUpdate::succeeded() const
{
    return m_succeeded;
}

QString DownloadUpdate::errorString() const
{
    return m_errorString;
}

QString DownloadUpdate::filePath() const
{
    return m_filePath;
}

void DownloadUpdate::downloadUnBlocked(const QUrl &url, bool *flag, const DownloadType &type)
{
    if (flag)
        *flag = false;
    if (QThread::currentThread() != thread()) {
        failLater(url, QStringLiteral("download requested from a thread the downloader does not live in"));
        return;
    }
    if (m_job)
        endJob(QStringLiteral("superseded by a new download"));

    const quint64 generation = ++m_generation;
    m_succeeded = false;
    m_errorString.clear();
    m_filePath.clear();

    if (url.isEmpty() || !url.isValid()) {
        failLater(url,
                  QStringLiteral("invalid URL: %1").arg(url.isEmpty() ? QStringLiteral("empty") : url.errorString()));
        return;
    }
    const QString scheme = url.scheme().toLower();
    if (scheme != QLatin1String("http") && scheme != QLatin1String("https") && scheme != QLatin1String("file")) {
        failLater(url, QStringLiteral("unsupported URL scheme \"%1\"").arg(url.scheme()));
        return;
    }

    // A FIFO or a device would block the transfer, and with it this thread and any abort.
    if (scheme == QLatin1String("file") && !QFileInfo(url.toLocalFile()).isFile()) {
        failLater(url, QStringLiteral("%1 is not a regular file").arg(url.toLocalFile()));
        return;
    }

    auto job = std::make_unique<Job>();
    job->generation = generation;
    job->url = url;
    job->maxBytes = m_maxBytes;
    if (m_targetDevice) {
        if (!m_targetDevice->isWritable()) {
            failLater(url, QStringLiteral("the target device is not open for writing"));
            return;
        }
        job->out = m_targetDevice;
        if (auto *file = qobject_cast<QFileDevice *>(m_targetDevice))
            m_filePath = file->fileName();
    } else if (!openTargetFile(*job, url, type)) {
        return;
    }

    if (!m_nam)
        m_nam = new QNetworkAccessManager(this);
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    // Qt would ask for gzip and unpack transparently, leaving Content-Length meaningless for
    // the truncation check; packages are compressed already anyway.
    request.setRawHeader("Accept-Encoding", "identity");
    job->timeout = m_transferTimeout;
    request.setTransferTimeout(job->timeout);

    QNetworkReply *reply = m_nam->get(request);
    // On a fast link the network thread outruns the disk: bound what waits in memory, so a
    // package costs the same few megabytes whatever its size.
    reply->setReadBufferSize(4 * ChunkBytes);
    job->reply = reply;
    connect(reply, &QNetworkReply::readyRead, this, [this, reply] { onReadyRead(reply); });
    connect(reply, &QNetworkReply::finished, this, [this, reply] { onReplyFinished(reply); });
    m_job = std::move(job);

    qCDebug(lcCore).noquote() << "DownloadUpdate: start" << url.toDisplayString() << "->" << m_filePath;
    if (flag)
        *flag = true;
}

bool DownloadUpdate::openTargetFile(Job &job, const QUrl &url, DownloadType type)
{
    job.path = targetPath(url, type);
    job.partPath = job.path + QStringLiteral(".part");
    m_filePath = job.path;

    const QString dir = QFileInfo(job.path).absolutePath();
    if (!QDir().mkpath(dir)) {
        failLater(url, QStringLiteral("cannot create the folder %1").arg(dir));
        return false;
    }
    // An older file at the target must not pass for the result of this download.
    const QFileInfo old(job.path);
    if ((old.exists() || old.isSymLink()) && !QFile::remove(job.path)) {
        failLater(url, QStringLiteral("cannot remove the earlier %1").arg(job.path));
        return false;
    }
    QFile::remove(job.partPath);
    job.file.setFileName(job.partPath);
    if (!job.file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) {
        failLater(url, QStringLiteral("cannot write %1: %2").arg(job.partPath, job.file.errorString()));
        return false;
    }
    job.out = &job.file;
    return true;
}

void DownloadUpdate::abort()
{
    const quint64 generation = m_generation.load();
    m_abortGeneration.store(generation);
    if (QThread::currentThread() == thread()) {
        if (m_job)
            endJob(abortedText());
        return;
    }
    // The reply and the file belong to our thread: the stop itself must happen there.
    QMetaObject::invokeMethod(
            this,
            [this, generation] {
                if (m_job && m_job->generation == generation)
                    endJob(abortedText());
            },
            Qt::QueuedConnection);
}

bool DownloadUpdate::abortRequested() const
{
    return m_job && m_abortGeneration.load() == m_job->generation;
}

void DownloadUpdate::failLater(const QUrl &url, const QString &reason)
{
    // Reported from the event loop like every other end, so a caller that connects after
    // starting, or that starts from a slot, sees the same order as for a real transfer.
    QMetaObject::invokeMethod(
            this,
            [this, url, reason] {
                qCWarning(lcCore).noquote() << "DownloadUpdate: failed" << url.toDisplayString() << ":" << reason;
                m_succeeded = false;
                m_errorString = reason;
                emit finished(reason);
            },
            Qt::QueuedConnection);
}

void DownloadUpdate::onReadyRead(QNetworkReply *reply)
{
    if (!m_job || m_job->reply != reply)
        return;
    if (abortRequested()) {
        endJob(abortedText());
        return;
    }
    // An error page is not the package: stop before writing any of it.
    const QString http = httpFailure(reply);
    if (!http.isEmpty()) {
        endJob(http);
        return;
    }
    Job &job = *m_job;
    if (job.expected < 0) {
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        if (length.isValid())
            job.expected = length.toLongLong();
        if (job.maxBytes > 0 && job.expected > job.maxBytes) {
            endJob(QStringLiteral("the server announces %1 bytes, more than the %2 allowed")
                           .arg(job.expected)
                           .arg(job.maxBytes));
            return;
        }
    }
    while (reply->bytesAvailable() > 0) {
        const QByteArray chunk = reply->read(ChunkBytes);
        if (chunk.isEmpty())
            break;
        if (job.maxBytes > 0 && job.written + chunk.size() > job.maxBytes) {
            endJob(QStringLiteral("the server sends more than the %1 bytes allowed").arg(job.maxBytes));
            return;
        }
        if (job.out->write(chunk) != chunk.size()) {
            endJob(QStringLiteral("cannot write %1: %2").arg(m_filePath, job.out->errorString()));
            return;
        }
        job.written += chunk.size();
        const quint64 generation = job.generation;
        emit dataWritten(chunk);
        // A receiver may have aborted or restarted the download.
        if (!m_job || m_job->generation != generation)
            return;
    }
    // 100 is kept for a download that is complete and in place.
    const int percent = job.expected > 0 ? int(qMin<qint64>(99, job.written * 100 / job.expected)) : 0;
    if (percent != job.lastPercent) {
        job.lastPercent = percent;
        emit downloadProgress(percent);
    }
}

void DownloadUpdate::onReplyFinished(QNetworkReply *reply)
{
    if (!m_job || m_job->reply != reply)
        return;
    if (abortRequested()) {
        endJob(abortedText());
        return;
    }
    QString why = httpFailure(reply);
    if (reply->error() != QNetworkReply::NoError) {
        // We disconnect before aborting a reply ourselves, so a cancelled one here means the
        // transfer timeout struck.
        const QString error = reply->error() == QNetworkReply::OperationCanceledError
                                      ? QStringLiteral("nothing received for %1 ms").arg(m_job->timeout)
                                      : reply->errorString();
        why = why.isEmpty() ? error : why + QStringLiteral(" (") + error + QLatin1Char(')');
    }
    if (why.isEmpty() && reply->bytesAvailable() > 0) {
        onReadyRead(reply);
        if (!m_job)
            return; // ended while writing the rest
    }

    Job &job = *m_job;
    if (why.isEmpty()) {
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        if (length.isValid() && length.toLongLong() != job.written)
            why = QStringLiteral("truncated: received %1 of %2 bytes").arg(job.written).arg(length.toLongLong());
    }
    auto *fileOut = qobject_cast<QFileDevice *>(job.out);
    if (why.isEmpty() && fileOut && !fileOut->flush())
        why = QStringLiteral("cannot write %1: %2").arg(m_filePath, fileOut->errorString());
    if (job.file.isOpen()) {
        job.file.close();
        if (why.isEmpty() && !QFile::rename(job.partPath, job.path))
            why = QStringLiteral("cannot rename %1 to %2").arg(job.partPath, job.path);
    }
    endJob(why);
}

void DownloadUpdate::endJob(const QString &reason)
{
    // Detach the job first: a slot connected to finished() may start the next download.
    std::unique_ptr<Job> job = std::move(m_job);
    if (QNetworkReply *reply = job->reply) {
        // Deleting a running reply stops its transfer. abort() would do it at once, but called
        // from inside the reply's own signals (an error page seen in readyRead) it makes Qt
        // report the reply's error twice.
        reply->disconnect(this);
        reply->deleteLater();
    }
    const bool ownFile = !job->partPath.isEmpty();
    if (job->file.isOpen())
        job->file.close();

    const bool ok = reason.isEmpty();
    m_succeeded = ok;
    m_errorString = reason;
    if (ok) {
        qCDebug(lcCore).noquote() << "DownloadUpdate: finished" << job->url.toDisplayString() << "(" << job->written
                                  << "bytes )";
        if (job->lastPercent != 100)
            emit downloadProgress(100);
        emit finished(QString());
        return;
    }
    if (ownFile)
        QFile::remove(job->partPath);
    qCWarning(lcCore).noquote() << "DownloadUpdate: failed" << job->url.toDisplayString() << ":" << reason;
    emit finished(reason);
}
