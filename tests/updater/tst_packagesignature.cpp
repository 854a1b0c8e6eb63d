#include "packagesignature.h"

#include <QByteArrayList>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <sodium.h>

// Keys and signatures come from the real minisign tool, so the checks are held against what
// is actually published, not against our own reading of the format.

namespace {

enum Outcome { RefusedAtBegin, RefusedAtFinish, Accepted };

const QByteArray Comment("kwfn 2.4.1\tstable");

QByteArray package(int size)
{
    QByteArray data(size, '\0');
    for (int i = 0; i < size; ++i)
        data[i] = char(i * 131 + i / 251);
    return data;
}

QByteArray withLine(const QByteArray &sig, int index, const QByteArray &line)
{
    QByteArrayList lines = sig.split('\n');
    lines[index] = line;
    return lines.join('\n');
}

QByteArray blobOf(const QByteArray &sig)
{
    return QByteArray::fromBase64(sig.split('\n').at(1));
}

QByteArray withBlob(const QByteArray &sig, const QByteArray &blob)
{
    return withLine(sig, 1, blob.toBase64());
}

const unsigned char *uc(const QByteArray &data)
{
    return reinterpret_cast<const unsigned char *>(data.constData());
}

} // namespace

class TestPackageSignature : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void parsesPublicKey_data();
    void parsesPublicKey();
    void verifiesGoodPackage_data();
    void verifiesGoodPackage();
    void refusesOtherKey();
    void refusesTamperedTrustedComment_data();
    void refusesTamperedTrustedComment();
    void refusesMalformedSignature_data();
    void refusesMalformedSignature();
    void agreesWithMinisign_data();
    void agreesWithMinisign();

private:
    int minisign(const QStringList &args) const;
    QByteArray sign(const QByteArray &data, bool legacy, const QString &key = "a", const QByteArray &comment = Comment);
    // Gives `sig` a fresh trusted-comment signature, so only the package signature is tested.
    QByteArray resigned(const QByteArray &sig) const;
    QByteArray neutralRSignature(const QByteArray &message) const;
    Outcome verify(const QByteArray &sig, const QByteArray &data, int chunk = 4096, QString *why = nullptr,
                   QString *comment = nullptr) const;
    QString path(const QString &name) const { return m_dir.path() + '/' + name; }

    QTemporaryDir m_dir;
    QByteArray m_pubText;
    MinisignKey m_key;
    QByteArray m_secretKey;
};

int TestPackageSignature::minisign(const QStringList &args) const
{
    QProcess p;
    p.start("minisign", args);
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit)
        return -1;
    return p.exitCode();
}

QByteArray TestPackageSignature::sign(const QByteArray &data, bool legacy, const QString &key,
                                      const QByteArray &comment)
{
    QFile file(path("pkg"));
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size())
        return {};
    file.close();
    QStringList args{"-S",
                     "-s",
                     path(key + "/sec"),
                     "-m",
                     path("pkg"),
                     "-x",
                     path("pkg.minisig"),
                     "-t",
                     QString::fromUtf8(comment)};
    if (legacy)
        args << "-l";
    QFile sig(path("pkg.minisig"));
    return minisign(args) == 0 && sig.open(QIODevice::ReadOnly) ? sig.readAll() : QByteArray();
}

QByteArray TestPackageSignature::resigned(const QByteArray &sig) const
{
    const QByteArray message = blobOf(sig).mid(10) + sig.split('\n').at(2).mid(17);
    QByteArray global(crypto_sign_BYTES, '\0');
    crypto_sign_detached(reinterpret_cast<unsigned char *>(global.data()), nullptr, uc(message), message.size(),
                         uc(m_secretKey));
    return withLine(sig, 3, global.toBase64());
}

// R is the neutral point and S = k * a, so [S]B = R + [k]A holds; only refusing small-order R
// keeps it out, as libsodium and so minisign do.
QByteArray TestPackageSignature::neutralRSignature(const QByteArray &message) const
{
    QByteArray r(32, '\0');
    r[0] = 1;
    unsigned char digest[64];
    crypto_hash_sha512_state sha;
    crypto_hash_sha512_init(&sha);
    crypto_hash_sha512_update(&sha, uc(r), 32);
    crypto_hash_sha512_update(&sha, uc(m_key.publicKey), 32);
    crypto_hash_sha512_update(&sha, uc(message), message.size());
    crypto_hash_sha512_final(&sha, digest);
    unsigned char k[32], wide[64] = {}, a[32], s[32];
    crypto_core_ed25519_scalar_reduce(k, digest);
    // The clamped secret scalar Ed25519 derives from the seed, the same one X25519 uses.
    crypto_sign_ed25519_sk_to_curve25519(wide, uc(m_secretKey));
    crypto_core_ed25519_scalar_reduce(a, wide);
    crypto_core_ed25519_scalar_mul(s, k, a);
    return r + QByteArray(reinterpret_cast<const char *>(s), 32);
}

Outcome TestPackageSignature::verify(const QByteArray &sig, const QByteArray &data, int chunk, QString *why,
                                     QString *comment) const
{
    PackageSignature check;
    if (!check.begin(m_key, sig, why))
        return RefusedAtBegin;
    for (int at = 0; at < data.size(); at += chunk)
        check.addData(data.constData() + at, qMin(chunk, data.size() - at));
    const bool ok = check.finish(why);
    if (comment)
        *comment = check.trustedComment();
    return ok ? Accepted : RefusedAtFinish;
}

void TestPackageSignature::initTestCase()
{
    QVERIFY(m_dir.isValid());
    for (const QString key : {"a", "b"}) {
        QVERIFY(QDir().mkpath(path(key)));
        QCOMPARE(minisign({"-G", "-W", "-p", path(key + "/pub"), "-s", path(key + "/sec")}), 0);
    }
    QFile pub(path("a/pub"));
    QVERIFY(pub.open(QIODevice::ReadOnly));
    m_pubText = pub.readAll();
    QString why;
    QVERIFY2(PackageSignature::parsePublicKey(m_pubText, &m_key, &why), qPrintable(why));

    // An unencrypted (-W) secret key: "Ed", kdf "\0\0", ..., key id at 54, secret key at 62.
    QFile sec(path("a/sec"));
    QVERIFY(sec.open(QIODevice::ReadOnly));
    const QByteArray secret = QByteArray::fromBase64(sec.readAll().split('\n').value(1));
    QCOMPARE(secret.size(), 158);
    QCOMPARE(secret.mid(2, 2), QByteArray(2, '\0'));
    m_secretKey = secret.mid(62, crypto_sign_SECRETKEYBYTES);
    QCOMPARE(m_secretKey.mid(32), m_key.publicKey);
}

void TestPackageSignature::parsesPublicKey_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("ok");
    const QByteArrayList lines = m_pubText.split('\n');
    const QByteArray blob = QByteArray::fromBase64(lines.at(1));
    QTest::newRow("key file") << m_pubText << true;
    QTest::newRow("key file, CRLF") << QByteArray(m_pubText).replace("\n", "\r\n") << true;
    QTest::newRow("base64 line alone") << lines.at(1) << true;
    QTest::newRow("base64 line, blanks around") << " " + lines.at(1) + "\n" << true;
    QTest::newRow("empty") << QByteArray() << false;
    QTest::newRow("comment alone") << lines.at(0) << false;
    QTest::newRow("no comment prefix") << "minisign key\n" + lines.at(1) << false;
    QTest::newRow("three lines") << m_pubText + lines.at(1) << false;
    QTest::newRow("junk in base64") << QByteArray(lines.at(1)).replace(5, 1, "*") << false;
    QTest::newRow("41 bytes") << blob.left(41).toBase64() << false;
    QTest::newRow("43 bytes") << (blob + 'x').toBase64() << false;
    QTest::newRow("other algorithm") << ("ED" + blob.mid(2)).toBase64() << false;
    QTest::newRow("small-order point") << (blob.left(10) + QByteArray(32, '\0')).toBase64() << false;
    QTest::newRow("over 4 KB") << lines.at(0) + QByteArray(4200, 'x') + '\n' + lines.at(1) << false;
}

void TestPackageSignature::parsesPublicKey()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, ok);
    MinisignKey key;
    QString why;
    QCOMPARE(PackageSignature::parsePublicKey(text, &key, &why), ok);
    QCOMPARE(why.isEmpty(), ok);
    if (ok) {
        const QByteArray blob = QByteArray::fromBase64(m_pubText.split('\n').at(1));
        QCOMPARE(key.keyId, blob.mid(2, 8));
        QCOMPARE(key.publicKey, blob.mid(10));
    }
}

void TestPackageSignature::verifiesGoodPackage_data()
{
    QTest::addColumn<bool>("legacy");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("chunk");
    QTest::addColumn<QByteArray>("lineEnds");
    for (const bool legacy : {false, true}) {
        const char *kind = legacy ? "legacy" : "prehashed";
        QTest::addRow("%s, empty package", kind) << legacy << 0 << 1 << QByteArray("lf");
        QTest::addRow("%s, 1-byte chunks", kind) << legacy << 1000 << 1 << QByteArray("lf");
        QTest::addRow("%s, 7-byte chunks", kind) << legacy << 100003 << 7 << QByteArray("lf");
        QTest::addRow("%s, 64 KB chunks", kind) << legacy << 300000 << 65536 << QByteArray("lf");
        QTest::addRow("%s, CRLF", kind) << legacy << 5000 << 4096 << QByteArray("crlf");
        QTest::addRow("%s, no final line end", kind) << legacy << 5000 << 4096 << QByteArray("none");
    }
}

void TestPackageSignature::verifiesGoodPackage()
{
    QFETCH(bool, legacy);
    QFETCH(int, size);
    QFETCH(int, chunk);
    QFETCH(QByteArray, lineEnds);
    const QByteArray data = package(size);
    QByteArray sig = sign(data, legacy);
    QVERIFY(sig.endsWith('\n'));
    if (lineEnds == "crlf")
        sig.replace("\n", "\r\n");
    else if (lineEnds == "none")
        sig.chop(1);
    QString why;
    QString comment;
    QCOMPARE(verify(sig, data, chunk, &why, &comment), Accepted);
    QVERIFY2(why.isEmpty(), qPrintable(why));
    QCOMPARE(comment, QString::fromUtf8(Comment));
}

void TestPackageSignature::refusesOtherKey()
{
    const QByteArray sig = sign(package(100), false, "b");
    QString why;
    QCOMPARE(verify(sig, package(100), 4096, &why), RefusedAtBegin);
    // Key ids are named the way minisign prints them in the key files.
    QFile other(path("b/pub"));
    QVERIFY(other.open(QIODevice::ReadOnly));
    for (const QByteArray &pub : {m_pubText, other.readAll()}) {
        const QByteArray comment = pub.split('\n').at(0);
        QVERIFY2(why.contains(comment.mid(comment.lastIndexOf(' ') + 1)), qPrintable(why));
    }
}

void TestPackageSignature::refusesTamperedTrustedComment_data()
{
    QTest::addColumn<QByteArray>("sig");
    for (const bool legacy : {false, true}) {
        const char *kind = legacy ? "legacy" : "prehashed";
        const QByteArray sig = sign(package(100), legacy);
        const QByteArray line3 = sig.split('\n').at(2);
        QTest::addRow("%s, comment changed", kind) << withLine(sig, 2, QByteArray(line3).replace("2.4.1", "2.4.2"));
        QTest::addRow("%s, comment extended", kind) << withLine(sig, 2, line3 + " ");
        QTest::addRow("%s, comment emptied", kind) << withLine(sig, 2, "trusted comment: ");
        QByteArray global = QByteArray::fromBase64(sig.split('\n').at(3));
        global[20] = char(global[20] ^ 1);
        QTest::addRow("%s, global signature bit", kind) << withLine(sig, 3, global.toBase64());
        // Lines 3 and 4 lifted from the signature of another package, as signed.
        const QByteArrayList lifted = sign(package(200), legacy, "a", "kwfn 9.9.9").split('\n');
        QTest::addRow("%s, comment of another package", kind)
                << withLine(withLine(sig, 2, lifted.at(2)), 3, lifted.at(3));
    }
}

void TestPackageSignature::refusesTamperedTrustedComment()
{
    QFETCH(QByteArray, sig);
    QString why;
    QString comment;
    QCOMPARE(verify(sig, package(100), 4096, &why, &comment), RefusedAtFinish);
    QVERIFY2(why.contains("trusted comment"), qPrintable(why));
    QVERIFY(comment.isEmpty());
}

void TestPackageSignature::refusesMalformedSignature_data()
{
    QTest::addColumn<QByteArray>("sig");
    const QByteArray sig = sign(package(100), false);
    const QByteArrayList lines = sig.split('\n');
    const QByteArray blob = blobOf(sig);
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("three lines") << lines.mid(0, 3).join('\n');
    QTest::newRow("five lines") << sig + "more\n";
    QTest::newRow("no untrusted comment") << withLine(sig, 0, "comment: x");
    QTest::newRow("line 2 junk") << withLine(sig, 1, QByteArray(lines.at(1)).replace(8, 1, "!"));
    QTest::newRow("line 2 blank inside") << withLine(sig, 1, QByteArray(lines.at(1)).insert(8, ' '));
    QTest::newRow("line 2 of 73 bytes") << withBlob(sig, blob.left(73));
    QTest::newRow("line 2 of 75 bytes") << withBlob(sig, blob + 'x');
    QTest::newRow("unknown algorithm") << withBlob(sig, "EE" + blob.mid(2));
    QTest::newRow("algorithm lower case") << withBlob(sig, "ed" + blob.mid(2));
    QTest::newRow("no trusted comment") << withLine(sig, 2, "trusted comment:" + Comment);
    QTest::newRow("line 4 junk") << withLine(sig, 3, "%" + lines.at(3).mid(1));
    QTest::newRow("line 4 of 63 bytes") << withLine(sig, 3, QByteArray::fromBase64(lines.at(3)).left(63).toBase64());
    QTest::newRow("over 64 KB") << withLine(sig, 0, "untrusted comment: " + QByteArray(66000, 'x'));
    QTest::newRow("public key file") << m_pubText;
}

void TestPackageSignature::refusesMalformedSignature()
{
    QFETCH(QByteArray, sig);
    // A check begun earlier must not live on through a refused begin().
    PackageSignature check;
    const QByteArray good = sign(package(100), false);
    QVERIFY(check.begin(m_key, good, nullptr));
    QString why;
    QVERIFY(!check.begin(m_key, sig, &why));
    QVERIFY(!why.isEmpty());
    check.addData(package(100));
    QVERIFY(!check.finish(nullptr));
}

void TestPackageSignature::agreesWithMinisign_data()
{
    QTest::addColumn<bool>("legacy");
    QTest::addColumn<QString>("change");
    QTest::addColumn<bool>("accepted");
    for (const bool legacy : {true, false}) {
        const char *kind = legacy ? "legacy" : "prehashed";
        QTest::addRow("%s, as signed", kind) << legacy << "none" << true;
        QTest::addRow("%s, new trusted comment", kind) << legacy << "comment" << true;
        QTest::addRow("%s, bit in R", kind) << legacy << "R" << false;
        QTest::addRow("%s, bit in S", kind) << legacy << "S" << false;
        QTest::addRow("%s, S plus group order", kind) << legacy << "S+L" << false;
        QTest::addRow("%s, bit in package", kind) << legacy << "package" << false;
        QTest::addRow("%s, byte appended", kind) << legacy << "appended" << false;
        QTest::addRow("%s, last byte lost", kind) << legacy << "truncated" << false;
        QTest::addRow("%s, neutral R", kind) << legacy << "neutral R" << false;
        QTest::addRow("%s, other algorithm named", kind) << legacy << "algorithm" << false;
    }
}

void TestPackageSignature::agreesWithMinisign()
{
    QFETCH(bool, legacy);
    QFETCH(QString, change);
    QFETCH(bool, accepted);
    QByteArray data = package(3000);
    QByteArray sig = sign(data, legacy);
    QByteArray blob = blobOf(sig);
    if (change == "comment") {
        sig = withLine(sig, 2, "trusted comment: re-signed");
    } else if (change == "R") {
        blob[10 + 5] = char(blob[10 + 5] ^ 0x10);
    } else if (change == "S") {
        blob[42 + 5] = char(blob[42 + 5] ^ 0x10);
    } else if (change == "S+L") {
        // L = 2^252 + 27742317777372353535851937790883648493, little-endian.
        const QByteArray order =
                QByteArray::fromHex("edd3f55c1a631258d69cf7a2def9de1400000000000000000000000000000010");
        int carry = 0;
        for (int i = 0; i < 32; ++i) {
            carry += quint8(blob[42 + i]) + quint8(order[i]);
            blob[42 + i] = char(carry & 0xff);
            carry >>= 8;
        }
    } else if (change == "neutral R") {
        QByteArray hash(64, '\0');
        crypto_generichash(reinterpret_cast<unsigned char *>(hash.data()), 64, uc(data), data.size(), nullptr, 0);
        blob = blob.left(10) + neutralRSignature(legacy ? data : hash);
    } else if (change == "package") {
        data[1234] = char(data[1234] ^ 0x01);
    } else if (change == "appended") {
        data += '\0';
    } else if (change == "truncated") {
        data.chop(1);
    } else if (change == "algorithm") {
        blob.replace(0, 2, legacy ? "ED" : "Ed");
    }
    sig = resigned(withBlob(sig, blob));

    QFile sigFile(path("changed.minisig"));
    QFile pkgFile(path("changed"));
    QVERIFY(sigFile.open(QIODevice::WriteOnly) && sigFile.write(sig) == sig.size());
    QVERIFY(pkgFile.open(QIODevice::WriteOnly) && pkgFile.write(data) == data.size());
    sigFile.close();
    pkgFile.close();
    const int tool = minisign({"-V", "-q", "-p", path("a/pub"), "-m", path("changed"), "-x", path("changed.minisig")});
    QVERIFY(tool == 0 || tool == 1);

    QString why;
    const Outcome outcome = verify(sig, data, 1000, &why);
    QCOMPARE(outcome == Accepted, tool == 0);
    QCOMPARE(outcome == Accepted, accepted);
    // The trusted comment is freshly signed, so a refusal can only come from the package check.
    if (!accepted && outcome == RefusedAtFinish)
        QVERIFY2(why.contains("package signature"), qPrintable(why));
}

QTEST_GUILESS_MAIN(TestPackageSignature)
#include "tst_packagesignature.moc"
