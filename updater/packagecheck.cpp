#include "packagecheck.h"

#include "updatercategory_p.h"
#include "regularfile.h"

#include <QDebug>
#include <QFileInfo>

#include <sodium.h>

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

namespace {

constexpr qint64 MaxKeyFileBytes = 4096;

QByteArray builtInKey()
{
#ifdef KW_UPDATE_PUBLIC_KEY
    return QByteArrayLiteral(KW_UPDATE_PUBLIC_KEY);
#else
    return QByteArray();
#endif
}

// Pieces waiting for the hashing thread; beyond this the download waits, so memory stays
// bounded when the network outruns the hashes.
constexpr size_t MaxQueuedPieces = 16;

} // namespace

// One consumer of the package's pieces, in a thread of its own.
struct PackageCheck::Hashing
{
    explicit Hashing(std::function<void(const QByteArray &)> consume)
        : consume(std::move(consume))
        , thread([this] { run(); })
    {
    }

    ~Hashing() { close(); }

    void push(const QByteArray &piece)
    {
        std::unique_lock<std::mutex> lock(mutex);
        changed.wait(lock, [this] { return queue.size() < MaxQueuedPieces; });
        queue.push_back(piece);
        changed.notify_all();
    }

    // Returns once every piece pushed has been consumed.
    void close()
    {
        {
            std::lock_guard<std::mutex> lock(mutex);
            closed = true;
            changed.notify_all();
        }
        if (thread.joinable())
            thread.join();
    }

    void run()
    {
        for (;;) {
            QByteArray piece;
            {
                std::unique_lock<std::mutex> lock(mutex);
                changed.wait(lock, [this] { return !queue.empty() || closed; });
                if (queue.empty())
                    return;
                piece = queue.front();
                queue.pop_front();
                changed.notify_all();
            }
            consume(piece);
        }
    }

    std::function<void(const QByteArray &)> consume;
    std::mutex mutex;
    std::condition_variable changed;
    std::deque<QByteArray> queue;
    bool closed = false;
    std::thread thread; // last: starts once everything above is ready
};

struct PackageCheck::Sha256
{
    crypto_hash_sha256_state state;
};

PackageCheck::PackageCheck() = default;

PackageCheck::~PackageCheck() = default;

bool PackageCheck::fail(UpdateFailure failure, const QString &why)
{
    m_failure = failure;
    m_error = why;
    return false;
}

bool PackageCheck::loadKey(const QString &installDir, MinisignKey *key)
{
    const QString path = installDir + QLatin1Char('/') + keyFileName();
    const QFileInfo info(path);
    QByteArray text;
    QString why;
    if (info.exists() || info.isSymLink()) {
        // A damaged key file must not quietly turn the check off.
        if (!readRegularFile(path, MaxKeyFileBytes, &text, &why))
            return fail(UpdateFailure::Signature, QStringLiteral("the trusted key: %1").arg(why));
        if (!PackageSignature::parsePublicKey(text, key, &why))
            return fail(UpdateFailure::Signature, QStringLiteral("the trusted key %1: %2").arg(path, why));
        m_haveKey = true;
        return true;
    }
    text = builtInKey();
    if (text.isEmpty())
        return true;
    if (!PackageSignature::parsePublicKey(text, key, &why))
        return fail(UpdateFailure::Signature, QStringLiteral("the built-in trusted key: %1").arg(why));
    m_haveKey = true;
    return true;
}

bool PackageCheck::begin(const QString &installDir, const QString &sha256, const QString &signatureText)
{
    m_hashing.clear();
    m_bytes = 0;
    m_haveKey = false;
    m_expectedSha256 = sha256.toLatin1().toLower();
    MinisignKey key;
    if (!loadKey(installDir, &key))
        return false;
    if (m_haveKey) {
        if (signatureText.isEmpty())
            return fail(UpdateFailure::Signature, QStringLiteral("the package is not signed"));
        QString why;
        if (!m_signature.begin(key, signatureText.toUtf8(), &why))
            return fail(UpdateFailure::Signature, why);
    }
    if (sodium_init() < 0)
        return fail(UpdateFailure::Package, QStringLiteral("the hash library cannot start"));
    // Two threads: the checksum and the signature hash each take about as long as the download.
    m_sha256 = std::make_unique<Sha256>();
    crypto_hash_sha256_init(&m_sha256->state);
    Sha256 *checksum = m_sha256.get();
    m_hashing.push_back(std::make_unique<Hashing>([checksum](const QByteArray &piece) {
        crypto_hash_sha256_update(&checksum->state, reinterpret_cast<const unsigned char *>(piece.constData()),
                                  size_t(piece.size()));
    }));
    if (m_haveKey)
        m_hashing.push_back(std::make_unique<Hashing>([this](const QByteArray &piece) { m_signature.addData(piece); }));
    return true;
}

void PackageCheck::addData(const QByteArray &chunk)
{
    m_bytes += chunk.size();
    for (const auto &hashing : m_hashing)
        hashing->push(chunk);
}

bool PackageCheck::finish()
{
    if (m_hashing.empty())
        return fail(UpdateFailure::Package, QStringLiteral("the package was not checked from its start"));
    m_hashing.clear(); // waits for every piece to be hashed
    unsigned char sum[crypto_hash_sha256_BYTES];
    crypto_hash_sha256_final(&m_sha256->state, sum);
    const QByteArray actual = QByteArray(reinterpret_cast<const char *>(sum), sizeof sum).toHex();
    if (!m_expectedSha256.isEmpty()) {
        if (actual != m_expectedSha256)
            return fail(UpdateFailure::Package,
                        QStringLiteral("the package has checksum %1, expected %2")
                                .arg(QString::fromLatin1(actual), QString::fromLatin1(m_expectedSha256)));
    }
    if (!m_haveKey) {
        qCWarning(lcUpdate) << "no trusted key: the package is installed without a signature check";
        return true;
    }
    QString why;
    if (!m_signature.finish(&why))
        return fail(UpdateFailure::Signature, why);
    qCDebug(lcUpdate).noquote() << "package signature verified:" << m_signature.trustedComment();
    return true;
}
