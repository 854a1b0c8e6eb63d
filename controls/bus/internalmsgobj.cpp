#include "bus/internalmsgobj.h"

#include "bus/kwobject.h"

#include <mutex>
#include <QSet>

#include <atomic>

// A running broadcast. An object destroyed while the walk is under way is added to
// `destroyed`, so the walk skips it; the flag lets the walk skip the lock while nothing died.
struct InternalMsgObj::Walk
{
    QSet<const KwObject *> destroyed;
    std::atomic<bool> anyDestroyed{false};
};

InternalMsgObj::InternalMsgObj() = default;
InternalMsgObj::~InternalMsgObj() = default;

void InternalMsgObj::registerObject(const QString &path, KwObject *object)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    auto it = m_objects.find(path);
    if (it != m_objects.end()) {
        if (it.value() == object)
            return;
        unlinkLocked(path, it.value());
        it.value() = object;
    } else {
        m_objects.insert(path, object);
    }
    m_pathsOf[object].append(path);
}

// Drops `path` from the reverse index of `object` (the registry entry is handled by the caller).
void InternalMsgObj::unlinkLocked(const QString &path, KwObject *object)
{
    auto it = m_pathsOf.find(object);
    if (it == m_pathsOf.end())
        return;
    it.value().removeOne(path);
    if (it.value().isEmpty())
        m_pathsOf.erase(it);
}

void InternalMsgObj::detach(const QString &path)
{
    if (path.isEmpty())
        return;
    std::lock_guard<std::mutex> lock(m_mutex);
    detachLocked(path);
}

void InternalMsgObj::detachLocked(const QString &path)
{
    const auto it = m_objects.find(path);
    if (it != m_objects.end()) {
        unlinkLocked(path, it.value());
        m_objects.erase(it);
    }
    for (int i = 0; i < m_history.size();) {
        const KwObject *sender = m_history.at(i).sender;
        if (sender && sender->getPath() == path)
            m_history.remove(i);
        else
            ++i;
    }
}

void InternalMsgObj::forget(KwObject *object, const QString &path)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!path.isEmpty())
        detachLocked(path);
    const QStringList paths = m_pathsOf.take(object);
    for (const QString &p : paths) {
        const auto it = m_objects.find(p);
        if (it != m_objects.end() && it.value() == object)
            m_objects.erase(it);
    }
    const auto orphan = [object, &path](KwObject *&sender, QString &senderPath) {
        if (sender == object) {
            sender = nullptr;
            senderPath = path;
        }
    };
    for (Entry &entry : m_history)
        orphan(entry.sender, entry.senderPath);
    for (Entry *entry : qAsConst(m_inFlight))
        orphan(entry->sender, entry->senderPath);
    orphan(m_curSender, m_curSenderPath);
    for (Walk *walk : qAsConst(m_walks)) {
        walk->destroyed.insert(object);
        walk->anyDestroyed.store(true, std::memory_order_release);
    }
}

QString InternalMsgObj::pathOf(const Entry &entry)
{
    return entry.sender ? entry.sender->getPath() : entry.senderPath;
}

void InternalMsgObj::pushLocked(KwObject *sender, const QString &text)
{
    while (m_history.size() > MaxHistory - 1)
        m_history.removeFirst();
    if (!m_curMsg.isEmpty())
        m_history.append(Entry{m_curSender, m_curSenderPath, m_curMsg});
    m_curSender = sender;
    m_curSenderPath = sender ? sender->getPath() : QString();
    m_curMsg = text;
}

void InternalMsgObj::deliver(const QString &from, const QString &text, bool record, KwObject *sender)
{
    QString name;
    std::map<QString, QString> params;
    if (!KwObject::parseMsg(text, name, params))
        return;
    KwObject *receiver = nullptr;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        receiver = m_objects.value(name, nullptr);
        if (!receiver)
            return;
        // The history changes under the lock because detach, possibly on another thread,
        // edits it too; the handler itself always runs unlocked.
        if (record)
            pushLocked(sender, text);
    }
    receiver->onMessage(from, params);
}

void InternalMsgObj::send(KwObject *sender, const QString &text, bool record)
{
    deliver(sender ? sender->getPath() : QString(), text, record, sender);
}

void InternalMsgObj::back()
{
    Entry entry;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_history.isEmpty())
            return;
        entry = m_history.takeLast();
        // The sender may die inside the handler: keep the entry where forget() can see it.
        m_inFlight.append(&entry);
    }
    deliver(pathOf(entry), entry.text, false, nullptr);
    std::lock_guard<std::mutex> lock(m_mutex);
    m_inFlight.removeOne(&entry);
    m_curSender = entry.sender;
    m_curSenderPath = entry.senderPath;
    m_curMsg = entry.text;
}

void InternalMsgObj::broadcast(KwObject *sender, const QString &text)
{
    static const QString from = QStringLiteral("broadcast");
    QString name;
    std::map<QString, QString> params;
    if (!KwObject::parseMsg(text, name, params) || name != from)
        return;
    Walk walk;
    QMap<QString, KwObject *> snapshot;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        snapshot = m_objects;
        m_walks.append(&walk);
    }
    for (auto it = snapshot.cbegin(); it != snapshot.cend(); ++it) {
        KwObject *receiver = it.value();
        if (!receiver || receiver == sender)
            continue;
        if (walk.anyDestroyed.load(std::memory_order_acquire)) {
            std::lock_guard<std::mutex> lock(m_mutex);
            if (walk.destroyed.contains(receiver))
                continue;
        }
        receiver->onMessage(from, params);
    }
    std::lock_guard<std::mutex> lock(m_mutex);
    m_walks.removeOne(&walk);
}

void InternalMsgObj::get(const QString &text, Any &result)
{
    QString name;
    std::map<QString, QString> params;
    if (!KwObject::parseMsg(text, name, params))
        return;
    KwObject *receiver = find(name);
    if (receiver)
        receiver->onProcessGetMessage(name, params, result);
}

void InternalMsgObj::setCurrent(KwObject *sender, const QString &text)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_curSender = sender;
    m_curSenderPath = sender ? sender->getPath() : QString();
    m_curMsg = text;
}

KwObject *InternalMsgObj::find(const QString &path) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_objects.value(path, nullptr);
}

int InternalMsgObj::registeredCount() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_objects.size();
}

int InternalMsgObj::historySize() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_history.size();
}

QString InternalMsgObj::currentMessage() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_curMsg;
}

QStringList InternalMsgObj::historyMessages() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    QStringList texts;
    for (const Entry &entry : m_history)
        texts.append(entry.text);
    return texts;
}
