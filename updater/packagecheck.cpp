#include "packagecheck.h"

#include "regularfile.h"

#include <QDebug>
#include <QFileInfo>

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

} // namespace

PackageCheck::PackageCheck()
    : m_sha256(QCryptographicHash::Sha256)
{
}

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
    m_sha256.reset();
    m_bytes = 0;
    m_haveKey = false;
    m_expectedSha256 = sha256.toLatin1().toLower();
    MinisignKey key;
    if (!loadKey(installDir, &key))
        return false;
    if (!m_haveKey)
        return true;
    if (signatureText.isEmpty())
        return fail(UpdateFailure::Signature, QStringLiteral("the package is not signed"));
    QString why;
    if (!m_signature.begin(key, signatureText.toUtf8(), &why))
        return fail(UpdateFailure::Signature, why);
    return true;
}

void PackageCheck::addData(const QByteArray &chunk)
{
    m_bytes += chunk.size();
    m_sha256.addData(chunk);
    if (m_haveKey)
        m_signature.addData(chunk);
}

bool PackageCheck::finish()
{
    if (!m_expectedSha256.isEmpty()) {
        const QByteArray actual = m_sha256.result().toHex();
        if (actual != m_expectedSha256)
            return fail(UpdateFailure::Package, QStringLiteral("the package has checksum %1, expected %2")
                                                    .arg(QString::fromLatin1(actual), QString::fromLatin1(m_expectedSha256)));
    }
    if (!m_haveKey) {
        qWarning() << "no trusted key: the package is installed without a signature check";
        return true;
    }
    QString why;
    if (!m_signature.finish(&why))
        return fail(UpdateFailure::Signature, why);
    qDebug().noquote() << "package signature verified:" << m_signature.trustedComment();
    return true;
}
