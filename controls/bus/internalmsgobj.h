#pragma once

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

// The one message bus of the process: the registry of paths, the back-navigation history
// and the current entry. Objects are not owned; a destroyed object is forgotten by identity,
// so the registry, the history and a running broadcast never reach it again.
class KWCONTROLS_EXPORT InternalMsgObj
{
public:
    // The history keeps at most this many entries after a push (20 kept, then one appended).
    static constexpr int MaxHistory = 21;

    InternalMsgObj();
    ~InternalMsgObj();
    InternalMsgObj(const InternalMsgObj &) = delete;
    InternalMsgObj &operator=(const InternalMsgObj &) = delete;

    void registerObject(const QString &path, KwObject *object);
    // Registers the object under its new path after its owner changed it.
    void moveObject(KwObject *object, const QString &oldPath, const QString &newPath);
    // The object's path changes from `oldPath` without a new registration (an assignment): an
    // entry that still holds it under `oldPath` is removed when it dies.
    void leavePath(KwObject *object, const QString &oldPath);
    // Removes the entry under `path`, whichever object it holds, and every history entry
    // sent by a live object whose path is `path`.
    void detach(const QString &path);
    // Called by a dying object: detaches its path, removes every registry entry that still
    // holds it under another path, and keeps only its last path in the history.
    void forget(KwObject *object, const QString &path);

    void send(KwObject *sender, const QString &text, bool record);
    void back();
    void broadcast(KwObject *sender, const QString &text);
    void get(const QString &text, Any &result);
    void setCurrent(KwObject *sender, const QString &text);

    KwObject *find(const QString &path) const;
    int registeredCount() const;
    int historySize() const;
    QString currentMessage() const;
    // Texts of the history, oldest first.
    QStringList historyMessages() const;

    int m_globalPageId = 0;
    int m_globalChildPageId = -1;

private:
    struct Entry
    {
        KwObject *sender = nullptr; // null once the sender was destroyed
        QString senderPath;         // the sender's path when pushed, or when it died
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
    struct PathHash
    {
        std::size_t operator()(const QString &path) const noexcept { return qHash(path); }
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
