#pragma once

/// \file
/// InternalMsgObj: the message bus of the process, behind KwObject.

#include "kwcontrols_export.h"

#include <QList>
#include <QHash>
#include <QPair>
#include <mutex>
#include <QString>
#include <QStringList>
#include <QVector>

#include <map>
#include <unordered_map>

class Any;
class KwObject;

/// The one message bus of the process: the registry of paths, the back-navigation history and
/// the current entry.
///
/// Clients use it through KwObject, which makes the one instance when the library is loaded and
/// destroys it in KwObject::unInit(); its functions take message texts as KwObject::createMsg()
/// makes them. Its state can be read, for diagnostics as for tests, through find(),
/// registeredCount(), historySize(), currentMessage() and historyMessages(): read-only
/// snapshots, taken under the bus's lock.
///
/// Ownership: objects are not owned; a destroyed object is forgotten by identity, so the
/// registry, the history and a running broadcast never reach it again.
///
/// Threading: every function locks the bus, so any thread may call it; handlers (onMessage(),
/// onProcessGetMessage()) run unlocked on the caller's thread and may use the bus themselves.
/// \ingroup bus
class KWCONTROLS_EXPORT InternalMsgObj
{
public:
    /// The history keeps at most this many entries after a push (20 kept, then one appended).
    static constexpr int MaxHistory = 21;

    /// An empty bus: nothing registered, no history, no current message.
    InternalMsgObj();
    /// Destroys the bus; the objects it knew are not touched.
    ~InternalMsgObj();
    /// Not copyable: objects are registered on one bus.
    InternalMsgObj(const InternalMsgObj &) = delete;
    /// Not assignable: objects are registered on one bus.
    InternalMsgObj &operator=(const InternalMsgObj &) = delete;

    /// Registers `object` under `path`, replacing the object registered there before.
    void registerObject(const QString &path, KwObject *object);
    /// Registers the object under its new path after its owner changed it.
    ///
    /// An entry that still holds it under `oldPath` stays and is removed when it dies.
    void moveObject(KwObject *object, const QString &oldPath, const QString &newPath);
    /// The object's path changes from `oldPath` without a new registration (an assignment): an
    /// entry that still holds it under `oldPath` is removed when it dies.
    void leavePath(KwObject *object, const QString &oldPath);
    /// Removes the entry under `path`, whichever object it holds, and every history entry sent
    /// by a live object whose path is `path`. An empty path is ignored.
    void detach(const QString &path);
    /// Called by a dying object: detaches its path, removes every registry entry that still
    /// holds it under another path, and keeps only its last path in the history.
    ///
    /// A broadcast running meanwhile skips the object.
    void forget(KwObject *object, const QString &path);

    /// Delivers the message `text` to the object registered under its name, with the sender's
    /// path (empty without sender) as `from`.
    ///
    /// With `record` true and a receiver found, the current entry goes into the history and the
    /// message becomes current. A text without '?' or without a receiver changes nothing.
    void send(KwObject *sender, const QString &text, bool record);
    /// Replays the newest history entry to whoever is registered under its name now; the entry
    /// becomes the current one, delivered or not. Does nothing with an empty history.
    void back();
    /// Delivers the parameters of `text` to every registered object but `sender`, in ascending
    /// path order, with "broadcast" as `from`.
    ///
    /// Only a text named "broadcast" is delivered; any other is ignored. The walk goes over the
    /// registry as it was at the start, skipping objects destroyed meanwhile.
    void broadcast(KwObject *sender, const QString &text);
    /// Asks the object registered under the name of `text` for an answer in `result`; `result`
    /// stays untouched without such object.
    void get(const QString &text, Any &result);
    /// Makes `text`, sent by `sender`, the current entry without delivering it.
    void setCurrent(KwObject *sender, const QString &text);

    /// The object registered under `path`, or null.
    KwObject *find(const QString &path) const;
    /// The number of registry entries (an object may hold several).
    int registeredCount() const;
    /// The number of history entries, at most MaxHistory.
    int historySize() const;
    /// The text of the current entry; empty when there is none.
    QString currentMessage() const;
    /// Texts of the history, oldest first.
    QStringList historyMessages() const;

    /// The page id KwObject::setGlobalPageId() stores; 0 until set.
    int m_globalPageId = 0;
    /// The child page id KwObject::setGlobalChildPageId() stores; -1 until set.
    int m_globalChildPageId = -1;

private:
    struct Entry
    {
        KwObject *sender = nullptr; // null once the sender was destroyed
        QString senderPath; // the sender's path when pushed, or when it died
        QString text;
    };
    struct Walk;

    static QString pathOf(const Entry &entry);
    void deliver(const QString &from, const QString &text, bool record, KwObject *sender);
    void pushLocked(KwObject *sender, const QString &text);
    void registerLocked(const QString &path, KwObject *object);
    void rememberStaleLocked(KwObject *object, const QString &oldPath);
    void eraseIfHeldLocked(const QString &path, const KwObject *object);
    void detachLocked(const QString &path);
    const QVector<QPair<QString, KwObject *>> &orderedLocked();

    // Path to object. Looked up by hash: registration and removal must not grow with the
    // registry; broadcasts walk the sorted view below.
    // The classic multiplicative string hash (31 h + c), the same on every Qt major and in
    // every process. Sibling paths ("page/1", "page/2", ...) land in neighbouring buckets, so
    // pages registered and destroyed together touch memory that is already in the cache; a
    // spreading hash scatters them over the whole table. Paths are chosen by the program's own
    // code, so nobody outside can crowd one bucket.
    struct PathHash
    {
        std::size_t operator()(const QString &path) const noexcept
        {
            std::size_t hash = 0;
            for (const QChar c : path)
                hash = 31 * hash + c.unicode();
            return hash;
        }
    };
    std::unordered_map<QString, KwObject *, PathHash> m_objects;
    QVector<QPair<QString, KwObject *>> m_ordered;
    bool m_orderValid = true;
    // Paths an object stays registered under after setOwner gave it a new one: removed by
    // identity when it dies. Its current path and the empty path are looked up directly.
    std::unordered_multimap<const KwObject *, QString> m_stalePaths;
    mutable std::mutex m_mutex;
    QVector<Entry> m_history;
    KwObject *m_curSender = nullptr;
    QString m_curSenderPath;
    QString m_curMsg;
    QList<Walk *> m_walks; // broadcasts running now, told of objects destroyed meanwhile
    QList<Entry *> m_inFlight; // history entries being replayed by back()
};
