#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <functional>
#include <memory>

class QIODevice;
class QuaZip;

// Reads an update package, a zip, from one open device and unpacks it below a folder, within
// bounds that a hostile package cannot push: every entry name must be usable on every system
// the client runs on, the declared sizes must be plausible for the package and fit the disk,
// and no entry may produce more bytes than it declares.
//
// The device is the only access to the package: checking and unpacking read the same bytes
// that were hashed, whatever happens to the path meanwhile.
class PackageUnpacker
{
public:
    // Declared sizes may add up to at most this many times the package's own size: ordinary
    // programs and data compress a few times, zip bombs a thousand times.
    static constexpr qint64 MaxExpansion = 200;
    // Far beyond what any system takes as a path below the installation.
    static constexpr int MaxNameLength = 1024;

    // `package` is open for reading and stays owned by the caller.
    explicit PackageUnpacker(QIODevice *package);
    ~PackageUnpacker();

    // Lists and checks every entry; `freeBytes` is what the target volume has available.
    bool check(qint64 freeBytes);
    qint64 declaredBytes() const { return m_declared; }

    // Unpacks every entry below `dir`, which must not exist yet. `written` gets the paths of
    // the files made. `afterEntry` (may be empty) runs after each entry. On failure what was
    // written stays for the caller to remove.
    bool unpackTo(const QString &dir, QStringList *written, const std::function<void()> &afterEntry = {});

    QString errorString() const { return m_error; }

    // Why an entry name must not be unpacked; empty when it may.
    static QString nameRefusal(const QString &name);
    // Disk space, as opposed to a damaged or hostile package, is what the last failure lacked.
    bool lackedSpace() const { return m_lackedSpace; }

private:
    bool fail(const QString &why);
    bool unpackCurrent(const QString &dir, const QString &name, qint64 declared, QStringList *written);

    QIODevice *m_package;
    std::unique_ptr<QuaZip> m_zip;
    qint64 m_declared = 0;
    int m_entries = 0;
    QString m_error;
    bool m_lackedSpace = false;
};
