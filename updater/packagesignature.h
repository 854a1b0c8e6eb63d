#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

// A minisign public key: the id a signature must name, and the key it must verify with.
struct MinisignKey
{
    QByteArray keyId; // 8 bytes
    QByteArray publicKey; // 32 bytes, Ed25519
};

// Checks an update package against its minisign signature (.minisig) while the package is
// still arriving, so the package is never held whole in memory nor read a second time.
//
// Both kinds of signature minisign writes are accepted: the default one over the package's
// BLAKE2b-512 hash ("ED") and the legacy one over the package itself ("Ed"). Nothing from the
// signature file is to be trusted before finish() has returned true.
class PackageSignature
{
public:
    PackageSignature();
    ~PackageSignature();
    PackageSignature(const PackageSignature &) = delete;
    PackageSignature &operator=(const PackageSignature &) = delete;

    // Reads a minisign public key file, or its base64 line alone.
    static bool parsePublicKey(const QByteArray &text, MinisignKey *key, QString *why);

    // Parses the signature text and checks it names `key`; false (with `why`) when malformed,
    // of an unknown algorithm, or made by another key. Forgets any check under way.
    bool begin(const MinisignKey &key, const QByteArray &signatureText, QString *why);
    // The next piece of the package; ignored unless begin() has succeeded.
    void addData(const char *data, qint64 size);
    void addData(const QByteArray &data) { addData(data.constData(), data.size()); }
    // Checks the package signature, then the trusted-comment signature. Ends the check: the
    // next package needs a new begin().
    bool finish(QString *why);

    // The trusted comment, once finish() has succeeded; empty otherwise.
    QString trustedComment() const { return m_trustedComment; }

private:
    struct State;
    std::unique_ptr<State> m_state;
    QString m_trustedComment;
};
