#include "packagesignature.h"

#include <QList>

#include <sodium.h>

#include <algorithm>
#include <cstring>

namespace {

constexpr int MaxKeyText = 4 * 1024;
constexpr int MaxSignatureText = 64 * 1024;
constexpr int KeyIdBytes = 8;
constexpr int PublicKeyBytes = crypto_sign_PUBLICKEYBYTES;
constexpr int SignatureBytes = crypto_sign_BYTES;
constexpr int HashBytes = crypto_generichash_BYTES_MAX;
const QByteArray UntrustedPrefix("untrusted comment: ");
const QByteArray TrustedPrefix("trusted comment: ");

static_assert(PublicKeyBytes == 32 && SignatureBytes == 64 && HashBytes == 64,
              "minisign's layout is built on Ed25519 and BLAKE2b-512");

bool sodiumReady()
{
    static const bool ready = sodium_init() >= 0;
    return ready;
}

bool fail(QString *why, const QString &text)
{
    if (why)
        *why = text;
    return false;
}

// The files turn up with Unix or Windows line ends, with or without one at the very end.
QList<QByteArray> splitLines(const QByteArray &text)
{
    QList<QByteArray> lines = text.split('\n');
    if (lines.size() > 1 && lines.last().isEmpty())
        lines.removeLast();
    for (QByteArray &line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
    }
    return lines;
}

// Strict decoding, so that junk in a line is refused rather than skipped over.
bool decodeBase64(const QByteArray &line, int size, QByteArray *out)
{
    const QByteArray::FromBase64Result result =
            QByteArray::fromBase64Encoding(line, QByteArray::Base64Encoding | QByteArray::AbortOnBase64DecodingErrors);
    if (!result || result.decoded.size() != size)
        return false;
    *out = result.decoded;
    return true;
}

// minisign prints key ids as little-endian 64-bit numbers; showing them the same way lets the
// log be compared with the key file's comment and with what `minisign -V` says.
QString keyIdText(const QByteArray &keyId)
{
    QByteArray reversed(keyId.size(), '\0');
    std::reverse_copy(keyId.cbegin(), keyId.cend(), reversed.begin());
    return QString::fromLatin1(reversed.toHex().toUpper());
}

const unsigned char *bytes(const QByteArray &data)
{
    return reinterpret_cast<const unsigned char *>(data.constData());
}

} // namespace

struct PackageSignature::State
{
    bool prehashed = true;
    QByteArray publicKey;
    QByteArray signature;
    QByteArray comment;
    QByteArray globalSignature;
    // Only the one matching `prehashed` is in use.
    crypto_generichash_state blake2b;
    crypto_hash_sha512_state sha512;
};

namespace {

bool verifyPrehashed(crypto_generichash_state *blake2b, const QByteArray &signature, const QByteArray &publicKey)
{
    unsigned char hash[HashBytes];
    crypto_generichash_final(blake2b, hash, sizeof hash);
    return crypto_sign_verify_detached(bytes(signature), hash, sizeof hash, bytes(publicKey)) == 0;
}

// Ed25519 over a message we only ever see in pieces: libsodium verifies pure Ed25519 in one
// call over the whole message, so the check is put together from its primitives, with the same
// refusals (S not below the group order, R not a proper point) that make its own verify strict.
bool verifyLegacy(crypto_hash_sha512_state *sha512, const QByteArray &signature, const QByteArray &publicKey)
{
    const unsigned char *r = bytes(signature);
    const unsigned char *s = r + 32;

    unsigned char digest[crypto_hash_sha512_BYTES];
    crypto_hash_sha512_final(sha512, digest);
    unsigned char k[crypto_core_ed25519_SCALARBYTES];
    crypto_core_ed25519_scalar_reduce(k, digest);

    // S + L would pass the equation just as well as S; only the reduced form is accepted.
    unsigned char wide[crypto_core_ed25519_NONREDUCEDSCALARBYTES] = {};
    std::memcpy(wide, s, 32);
    unsigned char reduced[crypto_core_ed25519_SCALARBYTES];
    crypto_core_ed25519_scalar_reduce(reduced, wide);
    if (sodium_memcmp(reduced, s, 32) != 0)
        return false;
    if (!crypto_core_ed25519_is_valid_point(r))
        return false;

    unsigned char sb[crypto_core_ed25519_BYTES];
    unsigned char ka[crypto_core_ed25519_BYTES];
    unsigned char rka[crypto_core_ed25519_BYTES];
    if (crypto_scalarmult_ed25519_base_noclamp(sb, s) != 0 ||
        crypto_scalarmult_ed25519_noclamp(ka, k, bytes(publicKey)) != 0 || crypto_core_ed25519_add(rka, r, ka) != 0)
        return false;
    return sodium_memcmp(sb, rka, sizeof sb) == 0;
}

} // namespace

PackageSignature::PackageSignature() = default;
PackageSignature::~PackageSignature() = default;

bool PackageSignature::parsePublicKey(const QByteArray &text, MinisignKey *key, QString *why)
{
    if (text.size() > MaxKeyText)
        return fail(why, QStringLiteral("public key is too long (%1 bytes)").arg(text.size()));
    if (!sodiumReady())
        return fail(why, QStringLiteral("libsodium could not be initialised"));

    // Surrounding blanks are dropped: the bare base64 form comes from a build option.
    const QList<QByteArray> lines = splitLines(text.trimmed());
    if (lines.size() > 2 || (lines.size() == 2 && !lines.first().startsWith(UntrustedPrefix)))
        return fail(why, QStringLiteral("public key is malformed: expected an untrusted comment "
                                        "and a base64 line"));
    QByteArray blob;
    if (!decodeBase64(lines.last(), 2 + KeyIdBytes + PublicKeyBytes, &blob))
        return fail(why, QStringLiteral("public key is malformed: not base64 of 42 bytes"));
    if (!blob.startsWith("Ed"))
        return fail(why, QStringLiteral("public key is of an unknown algorithm"));
    const QByteArray publicKey = blob.mid(2 + KeyIdBytes);
    if (!crypto_core_ed25519_is_valid_point(bytes(publicKey)))
        return fail(why, QStringLiteral("public key is not a valid Ed25519 key"));
    key->keyId = blob.mid(2, KeyIdBytes);
    key->publicKey = publicKey;
    return true;
}

bool PackageSignature::begin(const MinisignKey &key, const QByteArray &signatureText, QString *why)
{
    m_state.reset();
    m_trustedComment.clear();
    if (!sodiumReady())
        return fail(why, QStringLiteral("libsodium could not be initialised"));
    if (key.keyId.size() != KeyIdBytes || key.publicKey.size() != PublicKeyBytes)
        return fail(why, QStringLiteral("trusted key is malformed"));
    if (signatureText.size() > MaxSignatureText)
        return fail(why, QStringLiteral("signature is too long (%1 bytes)").arg(signatureText.size()));

    const QList<QByteArray> lines = splitLines(signatureText);
    const QString malformed = QStringLiteral("signature is malformed: %1");
    if (lines.size() != 4)
        return fail(why, malformed.arg(QStringLiteral("expected 4 lines, found %1").arg(lines.size())));
    if (!lines.at(0).startsWith(UntrustedPrefix))
        return fail(why, malformed.arg(QStringLiteral("line 1 is not an untrusted comment")));
    QByteArray blob;
    if (!decodeBase64(lines.at(1), 2 + KeyIdBytes + SignatureBytes, &blob))
        return fail(why, malformed.arg(QStringLiteral("line 2 is not base64 of 74 bytes")));
    if (!lines.at(2).startsWith(TrustedPrefix))
        return fail(why, malformed.arg(QStringLiteral("line 3 is not a trusted comment")));
    QByteArray globalSignature;
    if (!decodeBase64(lines.at(3), SignatureBytes, &globalSignature))
        return fail(why, malformed.arg(QStringLiteral("line 4 is not base64 of 64 bytes")));

    const QByteArray algorithm = blob.left(2);
    if (algorithm != "ED" && algorithm != "Ed")
        return fail(why, QStringLiteral("signature is of an unknown algorithm (0x%1)")
                                 .arg(QString::fromLatin1(algorithm.toHex())));
    const QByteArray keyId = blob.mid(2, KeyIdBytes);
    if (keyId != key.keyId)
        return fail(why, QStringLiteral("signature made by key %1, trusted key is %2")
                                 .arg(keyIdText(keyId), keyIdText(key.keyId)));

    auto state = std::make_unique<State>();
    state->prehashed = algorithm == "ED";
    state->publicKey = key.publicKey;
    state->signature = blob.mid(2 + KeyIdBytes);
    state->comment = lines.at(2).mid(TrustedPrefix.size());
    state->globalSignature = globalSignature;
    if (state->prehashed) {
        crypto_generichash_init(&state->blake2b, nullptr, 0, HashBytes);
    } else {
        // k = SHA-512(R || A || M): R and A are known now, M follows in addData().
        crypto_hash_sha512_init(&state->sha512);
        crypto_hash_sha512_update(&state->sha512, bytes(state->signature), 32);
        crypto_hash_sha512_update(&state->sha512, bytes(key.publicKey), PublicKeyBytes);
    }
    m_state = std::move(state);
    return true;
}

void PackageSignature::addData(const char *data, qint64 size)
{
    if (!m_state || size <= 0)
        return;
    const auto *in = reinterpret_cast<const unsigned char *>(data);
    if (m_state->prehashed)
        crypto_generichash_update(&m_state->blake2b, in, static_cast<unsigned long long>(size));
    else
        crypto_hash_sha512_update(&m_state->sha512, in, static_cast<unsigned long long>(size));
}

bool PackageSignature::finish(QString *why)
{
    m_trustedComment.clear();
    const std::unique_ptr<State> state = std::move(m_state);
    if (!state)
        return fail(why, QStringLiteral("no signature to check the package against"));

    const bool packageOk = state->prehashed ? verifyPrehashed(&state->blake2b, state->signature, state->publicKey)
                                            : verifyLegacy(&state->sha512, state->signature, state->publicKey);
    if (!packageOk)
        return fail(why, QStringLiteral("package signature does not verify"));

    const QByteArray signedComment = state->signature + state->comment;
    if (crypto_sign_verify_detached(bytes(state->globalSignature), bytes(signedComment),
                                    static_cast<unsigned long long>(signedComment.size()),
                                    bytes(state->publicKey)) != 0)
        return fail(why, QStringLiteral("trusted comment signature does not verify"));

    m_trustedComment = QString::fromUtf8(state->comment);
    return true;
}
