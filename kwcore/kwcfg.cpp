#include "kwcfg.h"

#include "corelog_p.h"
#include "regularfile.h"

#include "kwuserdatamgr.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMutexLocker>
#include <QSaveFile>

namespace {

const QLatin1String KeyMenus("menus");
const QLatin1String KeyIndicators("indicators");
const QLatin1String KeyShortcutFile("shortcutFile");
// Far above any real configuration; keeps a wrong file from being read into memory whole.
constexpr qint64 MaxConfigBytes = 16 << 20;

// Parses a whole JSON file into an object. A missing file is not an error (`exists` tells);
// anything else that keeps the object from being read is logged on one line.
QJsonObject readObjectFile(const QString &path, bool *exists, bool *valid)
{
    *exists = QFile::exists(path);
    *valid = false;
    if (!*exists)
        return QJsonObject();
    QByteArray content;
    QString why;
    if (!readRegularFile(path, MaxConfigBytes, &content, &why)) {
        qCWarning(lcCore).noquote() << QStringLiteral("Kwcfg: %1; using the built-in defaults").arg(why);
        return QJsonObject();
    }
    QJsonParseError err;
    const QJsonDocument doc = QJsonDocument::fromJson(content, &err);
    if (err.error != QJsonParseError::NoError) {
        qCWarning(lcCore).noquote() << QStringLiteral(
                                               "Kwcfg: %1 is malformed (%2 at offset %3); using the built-in defaults")
                                               .arg(path, err.errorString())
                                               .arg(err.offset);
        return QJsonObject();
    }
    if (!doc.isObject()) {
        qCWarning(lcCore).noquote()
                << QStringLiteral(
                           "Kwcfg: %1 is malformed (the top level is not an object); using the built-in defaults")
                           .arg(path);
        return QJsonObject();
    }
    *valid = true;
    return doc.object();
}

const QJsonObject &builtInDefaults()
{
    static const QJsonObject defaults = [] {
        bool exists = false;
        bool valid = false;
        const QJsonObject o = readObjectFile(Kwcfg::defaultConfigPath(), &exists, &valid);
        if (!exists)
            qCWarning(lcCore).noquote() << "Kwcfg: the built-in defaults are missing from the library's resources";
        return o;
    }();
    return defaults;
}

// The user's member when it is there and of the right type, else the built-in one.
QJsonValue pick(const QJsonObject &user, const QString &path, QLatin1String key, QJsonValue::Type type)
{
    const QJsonValue v = user.value(key);
    if (v.type() == type)
        return v;
    if (!v.isUndefined())
        qCWarning(lcCore).noquote()
                << QStringLiteral("Kwcfg: member \"%1\" of %2 has the wrong type; using the built-in default")
                           .arg(key, path);
    return builtInDefaults().value(key);
}

QList<MenuItemInfo> parseMenu(const QString &key, const QJsonArray &entries)
{
    QList<MenuItemInfo> items;
    for (const QJsonValue &v : entries) {
        const QJsonObject o = v.toObject();
        const QJsonValue id = o.value(QLatin1String("id"));
        if (!id.isDouble()) {
            qCWarning(lcCore).noquote()
                    << QStringLiteral("Kwcfg: an entry of menu \"%1\" has no numeric id; skipped").arg(key);
            continue;
        }
        MenuItemInfo item;
        item.id = id.toInt();
        item.text = o.value(QLatin1String("text")).toString();
        item.enabled = o.value(QLatin1String("enabled")).toBool(true);
        item.checkable = o.value(QLatin1String("checkable")).toBool(false);
        item.checked = o.value(QLatin1String("checked")).toBool(false);
        item.icon = o.value(QLatin1String("icon")).toString();
        item.shortcut = o.value(QLatin1String("shortcut")).toString();
        item.tip = o.value(QLatin1String("tip")).toString();
        items.append(item);
    }
    return items;
}

IndiItemInfo parseIndicator(const QString &name, const QJsonObject &o)
{
    IndiItemInfo info;
    info.name = name.toStdString();
    info.displayName = o.value(QLatin1String("displayName")).toString().toStdString();
    for (const QJsonValue &v : o.value(QLatin1String("params")).toArray()) {
        const QJsonObject p = v.toObject();
        IndiParam param;
        param.name = p.value(QLatin1String("name")).toString().toStdString();
        param.value = p.value(QLatin1String("value")).toInt();
        param.minValue = p.value(QLatin1String("minValue")).toInt();
        param.maxValue = p.value(QLatin1String("maxValue")).toInt();
        info.params.push_back(param);
    }
    for (const QJsonValue &v : o.value(QLatin1String("lines")).toArray()) {
        const QJsonObject l = v.toObject();
        IndiLine line;
        line.name = l.value(QLatin1String("name")).toString().toStdString();
        line.width = l.value(QLatin1String("width")).toInt(1);
        const QJsonObject colors = l.value(QLatin1String("colors")).toObject();
        for (auto it = colors.begin(); it != colors.end(); ++it) {
            bool ok = false;
            const int key = it.key().toInt(&ok);
            if (ok)
                line.colors.insert(key, QColor(it.value().toString()));
        }
        info.lines.push_back(line);
    }
    return info;
}

QJsonObject indicatorToJson(const IndiItemInfo &info)
{
    QJsonArray params;
    for (const IndiParam &p : info.params) {
        params.append(QJsonObject{{QStringLiteral("name"), QString::fromStdString(p.name)},
                                  {QStringLiteral("value"), p.value},
                                  {QStringLiteral("minValue"), p.minValue},
                                  {QStringLiteral("maxValue"), p.maxValue}});
    }
    QJsonArray lines;
    for (const IndiLine &l : info.lines) {
        QJsonObject colors;
        for (auto it = l.colors.begin(); it != l.colors.end(); ++it) {
            // An invalid colour has no name; an empty text reads back as invalid again.
            colors.insert(QString::number(it.key()), it.value().isValid() ? it.value().name() : QString());
        }
        lines.append(QJsonObject{{QStringLiteral("name"), QString::fromStdString(l.name)},
                                 {QStringLiteral("colors"), colors},
                                 {QStringLiteral("width"), l.width}});
    }
    return QJsonObject{{QStringLiteral("displayName"), QString::fromStdString(info.displayName)},
                       {QStringLiteral("params"), params},
                       {QStringLiteral("lines"), lines}};
}

} // namespace

Kwcfg *Kwcfg::getInstance()
{
    static Kwcfg instance;
    return &instance;
}

QString Kwcfg::defaultConfigPath()
{
    return QStringLiteral(":/kwcore/kwcfg.json");
}

QString Kwcfg::defaultShortcutPath()
{
    return QStringLiteral(":/kwcore/shortcuts.json");
}

QString Kwcfg::configFilePath() const
{
    return KwUserDataMgr::getInstance()->getAllUsersDir() + QStringLiteral("/config/kwcfg.json");
}

void Kwcfg::loadCfg()
{
    QMutexLocker lock(&m_mutex);
    loadLocked();
}

void Kwcfg::ensureLoaded() const
{
    QMutexLocker lock(&m_mutex);
    if (!m_loaded) {
        // The singleton is never a const object, so loading through a const getter is fine.
        const_cast<Kwcfg *>(this)->loadLocked();
    }
}

void Kwcfg::loadLocked()
{
    const QString path = configFilePath();
    m_configDir = QFileInfo(path).absolutePath();

    bool exists = false;
    bool valid = false;
    const QJsonObject user = readObjectFile(path, &exists, &valid);

    m_shortcutFile = pick(user, path, KeyShortcutFile, QJsonValue::String).toString();

    m_menus.clear();
    const QJsonObject menus = pick(user, path, KeyMenus, QJsonValue::Object).toObject();
    for (auto it = menus.begin(); it != menus.end(); ++it)
        m_menus.insert(it.key(), parseMenu(it.key(), it.value().toArray()));

    m_indiMap.clear();
    const QJsonObject indicators = pick(user, path, KeyIndicators, QJsonValue::Object).toObject();
    for (auto it = indicators.begin(); it != indicators.end(); ++it) {
        if (it.key().isEmpty())
            continue;
        IndiItemInfo info = parseIndicator(it.key(), it.value().toObject());
        m_indiMap[info.name] = std::move(info);
    }

    m_loaded = true;
}

QString Kwcfg::getShortCutCfgPath()
{
    ensureLoaded();
    QMutexLocker lock(&m_mutex);
    if (!m_shortcutFile.isEmpty()) {
        const QString configured = QDir::fromNativeSeparators(m_shortcutFile);
        if (QDir::isRelativePath(configured))
            return QDir::cleanPath(QDir(m_configDir).absoluteFilePath(configured));
        return configured;
    }
    const QString beside = m_configDir + QStringLiteral("/shortcuts.json");
    if (QFileInfo::exists(beside))
        return beside;
    return defaultShortcutPath();
}

const std::map<std::string, IndiItemInfo> &Kwcfg::getIndiMap() const
{
    ensureLoaded();
    return m_indiMap;
}

QList<MenuItemInfo> Kwcfg::menuItems(const QString &key) const
{
    ensureLoaded();
    QMutexLocker lock(&m_mutex);
    return m_menus.value(key);
}

void Kwcfg::setIndiInfo(const IndiItemInfo &info)
{
    if (info.name.empty()) {
        qCWarning(lcCore).noquote() << "Kwcfg::setIndiInfo: refused a record without an indicator name";
        return;
    }
    ensureLoaded();
    QMutexLocker lock(&m_mutex);
    m_indiMap[info.name] = info;
    persistIndicatorsLocked();
}

bool Kwcfg::persistIndicatorsLocked()
{
    const QString path = m_configDir + QStringLiteral("/kwcfg.json");
    if (!QDir().mkpath(m_configDir)) {
        qCWarning(lcCore).noquote() << "Kwcfg: cannot create the configuration folder" << m_configDir;
        return false;
    }

    QJsonObject root;
    if (QFile::exists(path)) {
        QByteArray content;
        QString why;
        if (!readRegularFile(path, MaxConfigBytes, &content, &why)) {
            // Writing now would replace members we could not even read.
            qCWarning(lcCore).noquote() << QStringLiteral("Kwcfg: %1; indicator settings not saved").arg(why);
            return false;
        }
        QJsonParseError err;
        const QJsonDocument doc = QJsonDocument::fromJson(content, &err);
        if (err.error == QJsonParseError::NoError && doc.isObject()) {
            root = doc.object();
        } else {
            // Never destroy what the user wrote, however broken: keep it beside the new file.
            const QString bad = path + QStringLiteral(".bad");
            QFile::remove(bad);
            if (!QFile::rename(path, bad)) {
                qCWarning(lcCore).noquote()
                        << QStringLiteral(
                                   "Kwcfg: cannot keep the malformed %1 aside as %2; indicator settings not saved")
                                   .arg(path, bad);
                return false;
            }
            qCWarning(lcCore).noquote() << QStringLiteral("Kwcfg: the malformed %1 was kept as %2").arg(path, bad);
        }
    }

    QJsonObject indicators;
    for (const auto &entry : m_indiMap)
        indicators.insert(QString::fromStdString(entry.first), indicatorToJson(entry.second));
    root.insert(KeyIndicators, indicators);

    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(QJsonDocument(root).toJson(QJsonDocument::Indented)) < 0 ||
        !out.commit()) {
        qCWarning(lcCore).noquote() << QStringLiteral("Kwcfg: cannot write %1 (%2)").arg(path, out.errorString());
        return false;
    }
    return true;
}
