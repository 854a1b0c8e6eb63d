#include "packageinstaller.h"

#include "updatercategory_p.h"
#include "packageunpacker.h"
#include "stagepause.h"

#include "kwuserdatamgr.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

namespace {

#ifdef Q_OS_WIN
constexpr Qt::CaseSensitivity PathCase = Qt::CaseInsensitive;
#else
constexpr Qt::CaseSensitivity PathCase = Qt::CaseSensitive;
#endif

// Absolute, cleaned, and with links resolved where the path exists, so that two spellings of
// one folder compare equal.
QString normalized(const QString &path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

bool isInside(const QString &path, const QString &dir)
{
    return path.startsWith(dir.endsWith('/') ? dir : dir + '/', PathCase);
}

bool isSame(const QString &a, const QString &b)
{
    return a.compare(b, PathCase) == 0;
}

bool exists(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

#ifdef Q_OS_WIN
QString envFolder(const char *name)
{
    return QDir::cleanPath(QDir::fromNativeSeparators(qEnvironmentVariable(name)));
}
#endif

// The system's own folders: never an installation of ours, nor anything inside them.
QString systemFolderRefusal(const QString &dir)
{
#ifdef Q_OS_WIN
    const QString windows = envFolder("SystemRoot");
    if (!windows.isEmpty() && windows != QLatin1String(".") && (isSame(dir, windows) || isInside(dir, windows)))
        return QStringLiteral("is the Windows folder or inside it");
    for (const char *var : {"ProgramFiles", "ProgramFiles(x86)", "ProgramW6432", "ProgramData"}) {
        const QString root = envFolder(var);
        if (!root.isEmpty() && root != QLatin1String(".") && isSame(dir, root))
            return QStringLiteral("is %1 itself").arg(root);
    }
    return QString();
#else
    const QString top = dir.section('/', 1, 1);
    static const QStringList whole = {"usr", "etc", "bin", "sbin", "boot", "proc", "sys", "dev", "run"};
    if ((whole.contains(top) || top.startsWith(QLatin1String("lib"))) && !isInside(dir, QStringLiteral("/usr/local")))
        return QStringLiteral("is a system folder");
    static const QStringList itself = {"/opt", "/usr/local", "/var", "/home", "/srv",
                                       "/tmp", "/root",      "/mnt", "/media"};
    if (itself.contains(dir))
        return QStringLiteral("is a system folder");
    return QString();
#endif
}

} // namespace

PackageInstaller::PackageInstaller(const QString &installDir)
    : m_installDir(resolvedPath(installDir))
{
}

QString PackageInstaller::resolvedPath(const QString &installDir)
{
    // The folder itself is never followed (a link there is refused); its parent is, so that
    // the checks, the key, the lock and the renames all name one and the same place.
    const QString cleaned = QDir::cleanPath(QDir::fromNativeSeparators(installDir));
    const QFileInfo info(cleaned);
    const QString parent = QFileInfo(info.absolutePath()).canonicalFilePath();
    if (parent.isEmpty() || info.fileName().isEmpty())
        return cleaned;
    return parent.endsWith(QLatin1Char('/')) ? parent + info.fileName() : parent + QLatin1Char('/') + info.fileName();
}

QString PackageInstaller::sibling(const char *role) const
{
    return m_installDir + QStringLiteral(".kwupdate-") + QLatin1String(role);
}

QString PackageInstaller::pathRefusal(const QString &installDir)
{
    if (installDir.isEmpty())
        return QStringLiteral("no installation folder given");
    if (QDir::isRelativePath(installDir))
        return QStringLiteral("installation folder \"%1\" is not absolute").arg(installDir);
    // "a/link/../b" names one folder to the system and another to a text clean-up: no guessing.
    const QStringList steps = QDir::fromNativeSeparators(installDir).split(QLatin1Char('/'));
    if (steps.contains(QStringLiteral(".")) || steps.contains(QStringLiteral("..")))
        return QStringLiteral("installation folder \"%1\" holds a \".\" or \"..\" step").arg(installDir);
    const QString dir = resolvedPath(installDir);
    if (QDir(dir).isRoot())
        return QStringLiteral("installation folder \"%1\" is a root folder").arg(installDir);
    const QString system = systemFolderRefusal(dir);
    if (!system.isEmpty())
        return QStringLiteral("installation folder \"%1\" %2").arg(installDir, system);
    const QString home = normalized(QDir::homePath());
    if (isSame(dir, home) || isInside(home, dir))
        return QStringLiteral("installation folder \"%1\" holds the home folder %2").arg(installDir, home);
    // The updater's own log and parameters, and the users' settings, live there.
    const QString allUsers = normalized(KwUserDataMgr::getInstance()->getAllUsersDir());
    if (isSame(dir, allUsers) || isInside(dir, allUsers) || isInside(allUsers, dir))
        return QStringLiteral("installation folder \"%1\" overlaps the all-users folder %2").arg(installDir, allUsers);
    return QString();
}

QString PackageInstaller::refusalReason(const QString &installDir)
{
    const QString why = pathRefusal(installDir);
    if (!why.isEmpty())
        return why;
    const QFileInfo info(resolvedPath(installDir));
    if (info.isSymLink())
        return QStringLiteral("installation folder \"%1\" is a link, not a real folder").arg(installDir);
    if (!info.exists())
        return QStringLiteral("installation folder \"%1\" does not exist").arg(installDir);
    if (!info.isDir())
        return QStringLiteral("installation folder \"%1\" is not a folder").arg(installDir);
    return QString();
}

bool PackageInstaller::fail(const QString &why)
{
    m_error = why;
    qCWarning(lcUpdate).noquote() << "PackageInstaller:" << why;
    return false;
}

bool PackageInstaller::removeIfThere(const QString &path)
{
    if (!exists(path))
        return true;
    qCDebug(lcUpdate).noquote() << "PackageInstaller: removing" << path;
    return removeTree(path) || fail(QStringLiteral("cannot remove %1").arg(path));
}

bool PackageInstaller::recover()
{
    QDir fs;
    if (!exists(m_installDir) && exists(asideDir())) {
        qCWarning(lcUpdate).noquote() << "PackageInstaller: an interrupted update left the installation at"
                                      << asideDir() << "; putting it back";
        if (!fs.rename(asideDir(), m_installDir))
            return fail(QStringLiteral("cannot put %1 back to %2").arg(asideDir(), m_installDir));
    }
    if (exists(asideDir())) {
        // The swap went through: what is in place is the new installation, complete.
        qCWarning(lcUpdate).noquote() << "PackageInstaller: an interrupted update left the old installation at"
                                      << asideDir();
        if (!fs.rename(asideDir(), freeTrashPath()))
            return fail(QStringLiteral("cannot remove %1").arg(asideDir()));
    }
    removeTrash();
    return removeIfThere(stagingDir()) && removeIfThere(packageDir());
}

QString PackageInstaller::freeTrashPath() const
{
    // A trash folder that cannot be deleted (a file in use, an immutable file) must not block
    // the next update: the next one gets a name of its own.
    QString path = trashDir();
    for (int n = 2; exists(path); ++n)
        path = trashDir() + QString::number(n);
    return path;
}

void PackageInstaller::removeTrash()
{
    const QFileInfo dir(m_installDir);
    const QStringList trash = QDir(dir.absolutePath())
                                      .entryList({dir.fileName() + QStringLiteral(".kwupdate-trash*")},
                                                 QDir::AllEntries | QDir::Hidden | QDir::System);
    for (const QString &name : trash) {
        const QString path = dir.absolutePath() + QLatin1Char('/') + name;
        if (!removeTree(path))
            qCWarning(lcUpdate).noquote()
                    << "PackageInstaller: cannot remove" << path << "; it is left for a later update";
    }
}

bool PackageInstaller::makePackageDir()
{
    if (!removeIfThere(packageDir()))
        return false;
    if (!QDir().mkdir(packageDir()))
        return fail(QStringLiteral("cannot make the folder %1").arg(packageDir()));
    // Nobody but the updater may write (or swap) the package it checks.
    QFile::setPermissions(packageDir(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return true;
}

void PackageInstaller::discardPackageDir()
{
    removeIfThere(packageDir());
}

bool PackageInstaller::stagePackage(QIODevice *package, QStringList *files)
{
    m_lackedSpace = false;
    if (!removeIfThere(stagingDir()))
        return false;
    PackageUnpacker unpacker(package);
    const QStorageInfo volume(QFileInfo(m_installDir).absolutePath());
    if (!unpacker.check(volume.isValid() ? volume.bytesAvailable() : -1)) {
        m_lackedSpace = unpacker.lackedSpace();
        return fail(unpacker.errorString());
    }
    QStringList written;
    bool paused = false;
    const bool ok = unpacker.unpackTo(stagingDir(), &written, [&paused] {
        if (!paused)
            pauseAtStage("staging");
        paused = true;
    });
    if (!ok) {
        m_lackedSpace = unpacker.lackedSpace();
        discardStaging();
        return fail(unpacker.errorString());
    }
    if (files) {
        // Reported where they will live once the staging folder has taken the installation's place.
        files->clear();
        for (const QString &path : written)
            files->append(m_installDir + path.mid(stagingDir().size()));
    }
    return true;
}

bool PackageInstaller::stageFolder(const QString &folder)
{
    discardStaging();
    if (!QFileInfo(folder).isDir())
        return fail(QStringLiteral("%1 is not a folder").arg(folder));
    if (!copyDir(folder, stagingDir(), true)) {
        discardStaging();
        return fail(QStringLiteral("cannot copy %1 to %2").arg(folder, stagingDir()));
    }
    return true;
}

void PackageInstaller::discardStaging()
{
    removeIfThere(stagingDir());
}

bool PackageInstaller::replace()
{
    QDir fs;
    if (exists(asideDir())) {
        discardStaging();
        return fail(QStringLiteral("%1 is in the way").arg(asideDir()));
    }
    if (!fs.rename(m_installDir, asideDir())) {
        discardStaging();
        return fail(QStringLiteral("cannot move %1 aside (a file in use?)").arg(m_installDir));
    }
    pauseAtStage("swap");
    if (fs.rename(stagingDir(), m_installDir))
        return true;
    const QString why = QStringLiteral("cannot move %1 to %2").arg(stagingDir(), m_installDir);
    if (!fs.rename(asideDir(), m_installDir))
        qCCritical(lcUpdate).noquote() << "PackageInstaller: the old installation stays at" << asideDir();
    discardStaging();
    return fail(why);
}

void PackageInstaller::commit()
{
    if (!exists(asideDir()))
        return;
    // Renamed first: a half-deleted copy under the name "old" would be put back by recover().
    if (!QDir().rename(asideDir(), freeTrashPath())) {
        qCWarning(lcUpdate).noquote() << "PackageInstaller: cannot remove the old installation at" << asideDir();
        return;
    }
    pauseAtStage("commit");
    removeTrash();
}

bool PackageInstaller::rollback()
{
    if (!exists(asideDir()))
        return fail(QStringLiteral("no copy of the old installation to put back"));
    QDir fs;
    discardStaging();
    if (!fs.rename(m_installDir, stagingDir()))
        return fail(QStringLiteral("cannot move the new installation %1 away").arg(m_installDir));
    if (!fs.rename(asideDir(), m_installDir)) {
        fs.rename(stagingDir(), m_installDir);
        return fail(QStringLiteral("cannot move %1 back to %2").arg(asideDir(), m_installDir));
    }
    discardStaging();
    return true;
}

bool PackageInstaller::restoreFrom(const QString &backupDir)
{
    if (!stageFolder(backupDir) || !replace())
        return false;
    commit();
    return true;
}

bool PackageInstaller::copyDir(const QString &fromDir, const QString &toDir, bool overwrite)
{
    QDir target(toDir);
    if (!target.exists() && !target.mkdir(target.absolutePath()))
        return false;
    // Hidden files belong to the installation as much as any other.
    const QFileInfoList entries = QDir(fromDir).entryInfoList(
            QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo &entry : entries) {
        const QString dest = toDir + '/' + entry.fileName();
        if (entry.isDir() && !entry.isSymLink()) {
            if (!copyDir(entry.filePath(), dest, overwrite))
                return false;
            continue;
        }
        if (overwrite && QFileInfo(dest).exists())
            QFile::remove(dest);
        if (!QFile::copy(entry.filePath(), dest))
            return false;
    }
    return true;
}

bool PackageInstaller::removeTree(const QString &path)
{
    const QFileInfo info(path);
    if (info.isSymLink() || !info.isDir())
        return QFile::remove(path);
    // removeRecursively() deletes links, not what they point to.
    return QDir(path).removeRecursively();
}
