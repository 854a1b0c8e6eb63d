#pragma once

#include "packagesignature.h"
#include "updatefailure.h"

#include <QByteArray>
#include <QString>

#include <memory>
#include <vector>

// Everything the updater checks of a package's bytes, computed as they arrive: the size, the
// SHA-256 the version description gives, and the minisign signature by the trusted key. The
// hashing runs in a thread of its own, beside the download, so it costs next to no time.
//
// The trusted key is the minisign public key file "kwupdate.pub" of the installation being
// updated (a package may bring a new one; it counts from the next update on), else the key
// built in with KW_UPDATE_PUBLIC_KEY. With a trusted key, an unsigned package is refused;
// without one, packages are accepted unsigned with a warning in the log.
class PackageCheck
{
public:
    PackageCheck();
    ~PackageCheck();
    PackageCheck(const PackageCheck &) = delete;
    PackageCheck &operator=(const PackageCheck &) = delete;

    // Chooses the key and reads what the package must match. False when the run must stop
    // before anything is fetched: a key file that cannot be read, a signature that is
    // missing, malformed or made by another key.
    bool begin(const QString &installDir, const QString &sha256, const QString &signatureText);
    void addData(const QByteArray &chunk);
    // Compares the checksum and verifies the signature over everything added.
    bool finish();

    qint64 bytes() const { return m_bytes; }
    bool hasTrustedKey() const { return m_haveKey; }
    UpdateFailure failure() const { return m_failure; }
    QString errorString() const { return m_error; }

    static QString keyFileName() { return QStringLiteral("kwupdate.pub"); }

private:
    bool fail(UpdateFailure failure, const QString &why);
    bool loadKey(const QString &installDir, MinisignKey *key);

    struct Hashing;
    struct Sha256;
    PackageSignature m_signature;
    std::unique_ptr<Sha256> m_sha256;
    std::vector<std::unique_ptr<Hashing>> m_hashing; // last: stopped before what they feed
    QByteArray m_expectedSha256;
    bool m_haveKey = false;
    qint64 m_bytes = 0;
    UpdateFailure m_failure = UpdateFailure::Package;
    QString m_error;
};
