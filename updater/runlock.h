#pragma once

#include <QString>

#include <memory>

class QLockFile;

// One updater at a time: a lock file held for as long as this object holds it. A lock left by
// a process that no longer runs (killed, power lost) is taken over; a live one is never
// taken, however old, since an update of a large package on a slow line may run for hours.
class RunLock
{
public:
    RunLock();
    ~RunLock();
    RunLock(const RunLock &) = delete;
    RunLock &operator=(const RunLock &) = delete;

    // Takes the lock at `path` without waiting; false (and `why`) when another live process
    // holds it or the file cannot be made. Releases any lock held before.
    bool tryLock(const QString &path, QString *why);
    void unlock();
    bool isLocked() const;
    // The last tryLock() failed because another process holds the lock (rather than because
    // the lock file could not be made).
    bool heldElsewhere() const { return m_heldElsewhere; }

private:
    std::unique_ptr<QLockFile> m_lock;
    bool m_heldElsewhere = false;
};
