#include "runlock.h"

#include <QLockFile>

RunLock::RunLock() = default;

RunLock::~RunLock() = default;

bool RunLock::tryLock(const QString &path, QString *why)
{
    unlock();
    auto lock = std::make_unique<QLockFile>(path);
    // Never stale by age: only a holder that is gone frees the lock.
    lock->setStaleLockTime(0);
    m_heldElsewhere = false;
    if (lock->tryLock(0)) {
        m_lock = std::move(lock);
        return true;
    }
    m_heldElsewhere = lock->error() == QLockFile::LockFailedError;
    if (why) {
        qint64 pid = 0;
        QString host, app;
        if (lock->error() == QLockFile::LockFailedError && lock->getLockInfo(&pid, &host, &app))
            *why = QStringLiteral("another update (process %1) holds %2").arg(pid).arg(path);
        else if (lock->error() == QLockFile::LockFailedError)
            *why = QStringLiteral("another update holds %1").arg(path);
        else
            *why = QStringLiteral("cannot make the lock file %1").arg(path);
    }
    return false;
}

void RunLock::unlock()
{
    m_lock.reset(); // QLockFile removes its file when destroyed
}

bool RunLock::isLocked() const
{
    return m_lock && m_lock->isLocked();
}
