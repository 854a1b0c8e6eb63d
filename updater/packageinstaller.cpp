#include "packageinstaller.h"

#include "kwuserdatamgr.h"

#include <JlCompress.h>
#include <quazip.h>
#include <quazipfileinfo.h>

#include <QCryptographicHash>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <future>

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

bool isSameOrAbove(const QString &dir, const QString &other)
{
    const QString o = normalized(other);
    return o.compare(dir, PathCase) == 0 || o.startsWith(dir.endsWith('/') ? dir : dir + '/', PathCase);
}

// An entry name that could write outside the folder it is unpacked into.
bool escapes(const QString &name)
{
    if (name.startsWith('/') || name.startsWith('\\') || (name.size() >= 2 && name.at(1) == ':'))
        return true;
    const QStringList parts = QString(name).replace('\\', '/').split('/');
    return parts.contains(QStringLiteral(".."));
}

QByteArray sha256Of(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(&file);
    return hash.result().toHex();
}

} // namespace

PackageInstaller::PackageInstaller(const QString &installDir)
    : m_installDir(QDir::cleanPath(installDir))
    , m_stagingDir(m_installDir + QStringLiteral(".kwupdate-new"))
{
}

QString PackageInstaller::refusalReason(const QString &installDir)
{
    if (installDir.trimmed().isEmpty())
        return QStringLiteral("no installation folder given");
    if (QDir::isRelativePath(installDir))
        return QStringLiteral("installation folder \"%1\" is not absolute").arg(installDir);
    const QString dir = normalized(installDir);
    if (QDir(dir).isRoot())
        return QStringLiteral("installation folder \"%1\" is a root folder").arg(installDir);
    const QFileInfo info(dir);
    if (info.exists() && !info.isDir())
        return QStringLiteral("installation folder \"%1\" is not a folder").arg(installDir);
    const QString guarded[] = {QDir::homePath(), QDir::currentPath(), KwUserDataMgr::getInstance()->getAllUsersDir()};
    for (const QString &g : guarded) {
        if (isSameOrAbove(dir, g))
            return QStringLiteral("installation folder \"%1\" holds %2").arg(installDir, g);
    }
    return QString();
}

bool PackageInstaller::fail(const QString &why)
{
    m_error = why;
    qWarning().noquote() << "PackageInstaller:" << why;
    return false;
}

bool PackageInstaller::checkEntries(const QString &zipPath, int *entryCount)
{
    if (!QFileInfo(zipPath).isFile())
        return fail(QStringLiteral("package %1 is missing").arg(zipPath));
    QuaZip zip(zipPath);
    if (!zip.open(QuaZip::mdUnzip))
        return fail(QStringLiteral("package %1 is not a zip file (error %2)").arg(zipPath).arg(zip.getZipError()));
    int count = 0;
    for (bool more = zip.goToFirstFile(); more; more = zip.goToNextFile()) {
        QuaZipFileInfo64 info;
        if (!zip.getCurrentFileInfo(&info))
            return fail(QStringLiteral("package %1 has an unreadable entry").arg(zipPath));
        if (info.name.isEmpty() || escapes(info.name))
            return fail(QStringLiteral("package entry \"%1\" leaves the installation folder").arg(info.name));
        if (info.isSymbolicLink())
            return fail(QStringLiteral("package entry \"%1\" is a link").arg(info.name));
        ++count;
    }
    if (zip.getZipError() != UNZ_OK)
        return fail(QStringLiteral("package %1 has a damaged directory (error %2)").arg(zipPath).arg(zip.getZipError()));
    if (count == 0)
        return fail(QStringLiteral("package %1 is empty").arg(zipPath));
    *entryCount = count;
    return true;
}

bool PackageInstaller::stagePackage(const QString &zipPath, const QString &sha256, QStringList *files)
{
    int entries = 0;
    if (!checkEntries(zipPath, &entries))
        return false;
    discardStaging();
    // The checksum needs one read of the package and unpacking another: let them overlap.
    std::future<QByteArray> digest;
    if (!sha256.isEmpty())
        digest = std::async(std::launch::async, sha256Of, zipPath);
    const QStringList written = JlCompress::extractDir(zipPath, m_stagingDir);
    const QByteArray actual = digest.valid() ? digest.get() : QByteArray();
    // extractDir removes what it wrote when an entry fails its CRC or cannot be written, and
    // returns nothing; anything short of every entry is a failure.
    if (written.size() != entries) {
        discardStaging();
        return fail(QStringLiteral("cannot unpack %1 (damaged entry or write error)").arg(zipPath));
    }
    if (!sha256.isEmpty() && actual != sha256.toLatin1().toLower()) {
        discardStaging();
        return fail(QStringLiteral("package %1 has checksum %2, expected %3").arg(zipPath, QString::fromLatin1(actual), sha256));
    }
    if (files) {
        // Reported where they will live once the staging folder has taken the installation's place.
        files->clear();
        for (const QString &path : written)
            files->append(m_installDir + path.mid(m_stagingDir.size()));
    }
    return true;
}

bool PackageInstaller::stageFolder(const QString &folder)
{
    discardStaging();
    if (!QFileInfo(folder).isDir())
        return fail(QStringLiteral("%1 is not a folder").arg(folder));
    if (!copyDir(folder, m_stagingDir, true)) {
        discardStaging();
        return fail(QStringLiteral("cannot copy %1 to %2").arg(folder, m_stagingDir));
    }
    return true;
}

void PackageInstaller::discardStaging()
{
    const QFileInfo info(m_stagingDir);
    if ((info.exists() || info.isSymLink()) && !removeTree(m_stagingDir))
        qWarning().noquote() << "PackageInstaller: cannot remove" << m_stagingDir;
}

QString PackageInstaller::freeAsidePath() const
{
    // A copy left by an interrupted run may be the only one the user has: never reuse it.
    QString path = m_installDir + QStringLiteral(".kwupdate-old");
    for (int n = 2; QFileInfo(path).exists() || QFileInfo(path).isSymLink(); ++n)
        path = m_installDir + QStringLiteral(".kwupdate-old%1").arg(n);
    return path;
}

bool PackageInstaller::replace()
{
    QDir fs;
    const QFileInfo current(m_installDir);
    m_hadInstall = current.exists() || current.isSymLink();
    m_asideDir.clear();
    if (m_hadInstall) {
        const QString aside = freeAsidePath();
        if (!fs.rename(m_installDir, aside))
            return fail(QStringLiteral("cannot move %1 aside (a file in use?)").arg(m_installDir));
        m_asideDir = aside;
    }
    if (fs.rename(m_stagingDir, m_installDir))
        return true;
    const QString why = QStringLiteral("cannot move %1 to %2").arg(m_stagingDir, m_installDir);
    if (m_hadInstall && !fs.rename(m_asideDir, m_installDir))
        qCritical().noquote() << "PackageInstaller: the old installation stays at" << m_asideDir;
    else
        m_asideDir.clear();
    discardStaging();
    return fail(why);
}

void PackageInstaller::commit()
{
    if (!m_asideDir.isEmpty() && !removeTree(m_asideDir))
        qWarning().noquote() << "PackageInstaller: cannot remove the old installation at" << m_asideDir;
    m_asideDir.clear();
}

bool PackageInstaller::rollback()
{
    if (m_hadInstall && m_asideDir.isEmpty())
        return fail(QStringLiteral("no copy of the old installation to put back"));
    QDir fs;
    discardStaging();
    if (!fs.rename(m_installDir, m_stagingDir))
        return fail(QStringLiteral("cannot move the new installation %1 away").arg(m_installDir));
    if (m_hadInstall && !fs.rename(m_asideDir, m_installDir)) {
        fs.rename(m_stagingDir, m_installDir);
        return fail(QStringLiteral("cannot move %1 back to %2").arg(m_asideDir, m_installDir));
    }
    m_asideDir.clear();
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
