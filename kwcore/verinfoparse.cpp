#include "verinfoparse.h"

#include "corelog_p.h"
#include "regularfile.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>

#include <cmath>
#include <limits>

namespace {

// A version description is a few hundred bytes; refusing anything far larger keeps a wrong
// path (a package, a log) from being read into memory whole.
constexpr qint64 MaxDescriptionBytes = 1 << 20;

bool readText(const QJsonObject &o, const char *key, QString &out, QString &why)
{
    const QJsonValue v = o.value(QLatin1String(key));
    if (v.isUndefined() || v.isNull())
        return true;
    if (!v.isString()) {
        why = QStringLiteral("member \"%1\" is not a text").arg(QLatin1String(key));
        return false;
    }
    out = v.toString();
    return true;
}

bool readInt(const QJsonObject &o, const char *key, int &out, QString &why)
{
    const QJsonValue v = o.value(QLatin1String(key));
    if (v.isUndefined() || v.isNull())
        return true;
    const double d = v.toDouble(std::numeric_limits<double>::quiet_NaN());
    if (!v.isDouble() || std::trunc(d) != d || d < std::numeric_limits<int>::min() ||
        d > std::numeric_limits<int>::max()) {
        why = QStringLiteral("member \"%1\" is not an integer").arg(QLatin1String(key));
        return false;
    }
    out = int(d);
    return true;
}

bool isHexDigest(const QString &s)
{
    if (s.size() != 64)
        return false;
    for (const QChar c : s) {
        if (!((c >= QLatin1Char('0') && c <= QLatin1Char('9')) || (c >= QLatin1Char('a') && c <= QLatin1Char('f'))))
            return false;
    }
    return true;
}

bool parseObject(const QByteArray &json, UpdateFlowPrivate &info, QString &why)
{
    QJsonParseError err;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &err);
    if (err.error != QJsonParseError::NoError) {
        why = QStringLiteral("not JSON (%1 at offset %2)").arg(err.errorString()).arg(err.offset);
        return false;
    }
    if (!doc.isObject()) {
        why = QStringLiteral("not a JSON object");
        return false;
    }
    const QJsonObject o = doc.object();
    if (!(readText(o, "version", info.version, why) && readText(o, "name", info.name, why) &&
          readText(o, "date", info.date, why) && readInt(o, "size", info.size, why) &&
          readText(o, "notes", info.notes, why) && readInt(o, "force", info.force, why) &&
          readText(o, "url", info.url, why) && readText(o, "sha256", info.sha256, why) &&
          readText(o, "minVersion", info.minVersion, why) && readInt(o, "type", info.type, why) &&
          readText(o, "signature", info.signature, why)))
        return false;
    if (info.size < 0) {
        why = QStringLiteral("member \"size\" is negative");
        return false;
    }
    info.sha256 = info.sha256.toLower();
    if (!info.sha256.isEmpty() && !isHexDigest(info.sha256)) {
        why = QStringLiteral("member \"sha256\" is not a SHA-256 digest in hex");
        return false;
    }
    return true;
}

} // namespace

UpdateFlowPrivate VerInfoParse::updateInfoParse(const QString &text)
{
    const QString trimmed = text.trimmed();
    QString why;
    QByteArray json;
    bool ok = true;

    if (!trimmed.isEmpty() && QDir::isAbsolutePath(trimmed)) {
        ok = readRegularFile(trimmed, MaxDescriptionBytes, &json, &why);
    } else if (trimmed.size() > MaxDescriptionBytes) {
        why = QStringLiteral("the inline description is larger than %1 bytes").arg(MaxDescriptionBytes);
        ok = false;
    } else {
        json = trimmed.toUtf8();
    }

    UpdateFlowPrivate info;
    if (ok && parseObject(json, info, why))
        return info;

    qCWarning(lcCore).noquote() << "VerInfoParse: unusable version description:" << why;
    return UpdateFlowPrivate();
}

QString VerInfoParse::toText(const UpdateFlowPrivate &info)
{
    QJsonObject o;
    o.insert(QStringLiteral("version"), info.version);
    o.insert(QStringLiteral("name"), info.name);
    o.insert(QStringLiteral("date"), info.date);
    o.insert(QStringLiteral("size"), info.size);
    o.insert(QStringLiteral("notes"), info.notes);
    o.insert(QStringLiteral("force"), info.force);
    o.insert(QStringLiteral("url"), info.url);
    o.insert(QStringLiteral("sha256"), info.sha256);
    o.insert(QStringLiteral("minVersion"), info.minVersion);
    o.insert(QStringLiteral("type"), info.type);
    if (!info.signature.isEmpty())
        o.insert(QStringLiteral("signature"), info.signature);
    // Compact JSON escapes line breaks inside texts, so the result is always one line.
    return QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact));
}
