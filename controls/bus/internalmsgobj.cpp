#include "bus/internalmsgobj.h"

#include "bus/kwobject.h"

#include <mutex>
#include <QSet>

#include <algorithm>

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
    registerLocked(path, object);
}

void InternalMsgObj::registerLocked(const QString &path, KwObject *object)
{
    const auto inserted = m_objects.emplace(path, object);
    if (!inserted.second) {
        if (inserted.first->second == object)
            return;
        inserted.first->second = object;
    }
    m_orderValid = false;
}

void InternalMsgObj::moveObject(KwObject *object, const QString &oldPath, const QString &newPath)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    rememberStaleLocked(object, oldPath);
    registerLocked(newPath, object);
}

void InternalMsgObj::leavePath(KwObject *object, const QString &oldPath)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    rememberStaleLocked(object, oldPath);
}

void InternalMsgObj::rememberStaleLocked(KwObject *object, const QString &oldPath)
{
    // The entry under the old path stays; remember it, so the object's death removes it too.
    const auto it = m_objects.find(oldPath);
    if (it != m_objects.end() && it->second == object)
        m_stalePaths.emplace(object, oldPath);
}

void InternalMsgObj::eraseIfHeldLocked(const QString &path, const KwObject *object)
{
    const auto it = m_objects.find(path);
    if (it != m_objects.end() && it->second == object) {
        m_objects.erase(it);
        m_orderValid = false;
    }
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
        m_objects.erase(it);
        m_orderValid = false;
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
    if (path.isEmpty())
        eraseIfHeldLocked(path, object); // detach leaves the empty path alone
    else
        detachLocked(path);
    if (!m_stalePaths.empty()) {
        const auto range = m_stalePaths.equal_range(object);
        for (auto it = range.first; it != range.second; ++it)
            eraseIfHeldLocked(it->second, object);
        m_stalePaths.erase(range.first, range.second);
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

// The registry in ascending path order. Kept aside and rebuilt only after the registry changed;
// the vector is shared, so a walk's copy costs nothing and stays as it was when taken.
const QVector<QPair<QString, KwObject *>> &InternalMsgObj::orderedLocked()
{
    if (!m_orderValid) {
        QVector<QPair<QString, KwObject *>> ordered;
        ordered.reserve(int(m_objects.size()));
        for (const auto &entry : m_objects)
            ordered.append(qMakePair(entry.first, entry.second));
        std::sort(ordered.begin(), ordered.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
        m_ordered = ordered;
        m_orderValid = true;
    }
    return m_ordered;
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
        const auto it = m_objects.find(name);
        if (it == m_objects.end() || !it->second)
            return;
        receiver = it->second;
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
    QVector<QPair<QString, KwObject *>> snapshot;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        snapshot = orderedLocked();
        m_walks.append(&walk);
    }
    for (const auto &entry : qAsConst(snapshot)) {
        KwObject *receiver = entry.second;
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
    const auto it = m_objects.find(path);
    return it == m_objects.end() ? nullptr : it->second;
}

int InternalMsgObj::registeredCount() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return int(m_objects.size());
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
