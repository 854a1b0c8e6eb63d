#include "packageunpacker.h"

#include <quazip.h>
#include <quazipfile.h>
#include <quazipfileinfo.h>
#include <unzip.h>

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <cstring>

namespace {

constexpr qint64 CopyBytes = 256 * 1024;
// Room the volume keeps beyond the unpacked package: the system and the client need some.
constexpr qint64 SpareBytes = 32 * 1024 * 1024;

bool isReservedOnWindows(const QString &component)
{
    static const QSet<QString> reserved = [] {
        QSet<QString> names{QStringLiteral("CON"), QStringLiteral("PRN"),    QStringLiteral("AUX"),
                            QStringLiteral("NUL"), QStringLiteral("CONIN$"), QStringLiteral("CONOUT$")};
        for (int i = 0; i <= 9; ++i) {
            names.insert(QStringLiteral("COM%1").arg(i));
            names.insert(QStringLiteral("LPT%1").arg(i));
        }
        return names;
    }();
    // "nul.txt" and "NUL .dll" name the device just as "NUL" does.
    return reserved.contains(component.section(QLatin1Char('.'), 0, 0).trimmed().toUpper());
}

QString componentRefusal(const QString &component)
{
    if (component.isEmpty())
        return QStringLiteral("an empty folder name");
    if (component == QLatin1String(".") || component == QLatin1String(".."))
        return QStringLiteral("a \"%1\" step").arg(component);
    if (component.endsWith(QLatin1Char('.')) || component.endsWith(QLatin1Char(' ')))
        return QStringLiteral("a name ending in a dot or a space");
    if (isReservedOnWindows(component))
        return QStringLiteral("a device name of Windows");
    return QString();
}

// An entry name as the log may show it: hostile names carry control characters and NULs, and
// may be tens of thousands of characters long.
QString printable(const QString &name)
{
    constexpr int Shown = 200;
    QString out;
    for (const QChar c : name.left(Shown)) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            out += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            out += c;
    }
    if (name.size() > Shown)
        out += QStringLiteral("…");
    return out;
}

} // namespace

PackageUnpacker::PackageUnpacker(QIODevice *package)
    : m_package(package)
{
}

PackageUnpacker::~PackageUnpacker() = default;

bool PackageUnpacker::fail(const QString &why)
{
    m_error = why;
    return false;
}

QString PackageUnpacker::nameRefusal(const QString &name)
{
    if (name.isEmpty())
        return QStringLiteral("has no name");
    if (name.size() > MaxNameLength)
        return QStringLiteral("has a name longer than %1 characters").arg(MaxNameLength);
    for (const QChar c : name) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            return QStringLiteral("holds a control character");
        // Forbidden in Windows names; ':' would also open an alternate data stream.
        if (QStringLiteral("<>:\"|?*\\").contains(c))
            return QStringLiteral("holds the character '%1'").arg(c);
    }
    if (name.startsWith(QLatin1Char('/')))
        return QStringLiteral("is an absolute path");
    QStringList parts = name.split(QLatin1Char('/'));
    if (name.endsWith(QLatin1Char('/')))
        parts.removeLast(); // a folder entry
    for (const QString &part : parts) {
        const QString why = componentRefusal(part);
        if (!why.isEmpty())
            return QStringLiteral("holds %1").arg(why);
    }
    return QString();
}

bool PackageUnpacker::check(qint64 freeBytes)
{
    m_lackedSpace = false;
    m_declared = 0;
    m_entries = 0;
    m_zip = std::make_unique<QuaZip>(m_package);
    m_zip->setAutoClose(false);
    if (!m_zip->open(QuaZip::mdUnzip))
        return fail(QStringLiteral("the package is not a zip file (error %1)").arg(m_zip->getZipError()));

    // (folder node, case-folded part) -> (node, spelling as first seen); node 0 is the top.
    QHash<QPair<int, QString>, QPair<int, QString>> names;
    QSet<int> files;
    QByteArray rawName(0x10000, '\0'); // the largest name a zip can hold
    for (bool more = m_zip->goToFirstFile(); more; more = m_zip->goToNextFile()) {
        unz_file_info64 raw;
        QuaZipFileInfo64 info;
        if (unzGetCurrentFileInfo64(m_zip->getUnzFile(), &raw, rawName.data(), uLong(rawName.size()), nullptr, 0,
                                    nullptr, 0) != UNZ_OK ||
            !m_zip->getCurrentFileInfo(&info))
            return fail(QStringLiteral("the package has an unreadable entry"));
        // QuaZip hands the name over as a C string: anything after a NUL would be lost.
        if (std::memchr(rawName.constData(), 0, qMin<size_t>(raw.size_filename, size_t(rawName.size()))))
            return fail(QStringLiteral("package entry \"%1\" holds a NUL byte in its name").arg(printable(info.name)));
        const QString why = nameRefusal(info.name);
        if (!why.isEmpty())
            return fail(QStringLiteral("package entry \"%1\" %2").arg(printable(info.name), why));
        if (info.isSymbolicLink())
            return fail(QStringLiteral("package entry \"%1\" is a link").arg(printable(info.name)));
        if (info.uncompressedSize > quint64(1) << 50)
            return fail(QStringLiteral("package entry \"%1\" declares an impossible size").arg(printable(info.name)));

        const bool isFolder = info.name.endsWith(QLatin1Char('/'));
        // Each folder and file, by its case-folded name under its folder: Windows sees
        // "A.dll" and "a.dll" as one file, so a package must not rely on telling them apart.
        // One step per name part keeps the cost linear in the name's length.
        int node = 0;
        const QString path = isFolder ? info.name.chopped(1) : info.name;
        for (const QStringView part : QStringView(path).split(QLatin1Char('/'))) {
            const QString spelling = part.toString();
            auto it = names.find(qMakePair(node, spelling.toCaseFolded()));
            if (it == names.end())
                it = names.insert(qMakePair(node, spelling.toCaseFolded()), qMakePair(int(names.size()) + 1, spelling));
            else if (it->second != spelling)
                return fail(QStringLiteral("package entries name \"%1\" and \"%2\", which differ only in case")
                                    .arg(it->second, spelling));
            node = it->first;
        }
        if (!isFolder && files.contains(node))
            return fail(QStringLiteral("package entry \"%1\" appears twice").arg(printable(info.name)));
        files.insert(node);
        m_declared += qint64(info.uncompressedSize);
        ++m_entries;
    }
    if (m_zip->getZipError() != UNZ_OK)
        return fail(QStringLiteral("the package has a damaged directory (error %1)").arg(m_zip->getZipError()));
    if (m_entries == 0)
        return fail(QStringLiteral("the package is empty"));
    if (m_declared > MaxExpansion * m_package->size())
        return fail(QStringLiteral("the package of %1 bytes declares %2 bytes unpacked, more than %3 times its size")
                            .arg(m_package->size())
                            .arg(m_declared)
                            .arg(MaxExpansion));
    const qint64 needed = m_declared + m_declared / 20 + SpareBytes;
    if (freeBytes >= 0 && needed > freeBytes) {
        m_lackedSpace = true;
        return fail(
                QStringLiteral("the package needs %1 bytes, the volume has %2 available").arg(needed).arg(freeBytes));
    }
    return true;
}

bool PackageUnpacker::unpackTo(const QString &dir, QStringList *written, const std::function<void()> &afterEntry)
{
    if (!m_zip)
        return fail(QStringLiteral("the package was not checked"));
    if (QFileInfo(dir).exists() || QFileInfo(dir).isSymLink() || !QDir().mkpath(dir))
        return fail(QStringLiteral("cannot make the folder %1").arg(dir));
    for (bool more = m_zip->goToFirstFile(); more; more = m_zip->goToNextFile()) {
        QuaZipFileInfo64 info;
        if (!m_zip->getCurrentFileInfo(&info))
            return fail(QStringLiteral("the package has an unreadable entry"));
        if (!unpackCurrent(dir, info.name, qint64(info.uncompressedSize), written))
            return false;
        if (!info.name.endsWith(QLatin1Char('/')))
            QFile::setPermissions(dir + QLatin1Char('/') + info.name,
                                  info.getPermissions() | QFile::ReadOwner | QFile::WriteOwner);
        if (afterEntry)
            afterEntry();
    }
    if (m_zip->getZipError() != UNZ_OK)
        return fail(QStringLiteral("the package has a damaged directory (error %1)").arg(m_zip->getZipError()));
    return true;
}

bool PackageUnpacker::unpackCurrent(const QString &dir, const QString &name, qint64 declared, QStringList *written)
{
    const QString path = dir + QLatin1Char('/') + name;
    if (name.endsWith(QLatin1Char('/')))
        return QDir().mkpath(path) || fail(QStringLiteral("cannot make the folder %1").arg(path));
    const QString parent = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(parent))
        return fail(QStringLiteral("cannot make the folder %1").arg(parent));

    QuaZipFile in(m_zip.get());
    if (!in.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("package entry \"%1\" cannot be read (error %2)")
                            .arg(printable(name))
                            .arg(in.getZipError()));
    QFile out(path);
    // NewOnly: an entry never writes through something already there.
    if (!out.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return fail(QStringLiteral("cannot write %1: %2").arg(path, out.errorString()));
    QByteArray buffer(int(CopyBytes), Qt::Uninitialized);
    qint64 total = 0;
    for (;;) {
        // One byte more than declared is enough to tell an entry that lies about its size.
        const qint64 n = in.read(buffer.data(), qMin<qint64>(CopyBytes, declared - total + 1));
        if (n < 0)
            return fail(QStringLiteral("package entry \"%1\" is damaged").arg(printable(name)));
        if (n == 0)
            break;
        total += n;
        if (total > declared)
            return fail(QStringLiteral("package entry \"%1\" unpacks to more than the %2 bytes it declares")
                                .arg(printable(name))
                                .arg(declared));
        if (out.write(buffer.constData(), n) != n) {
            m_lackedSpace = out.error() == QFileDevice::ResourceError;
            return fail(QStringLiteral("cannot write %1: %2").arg(path, out.errorString()));
        }
    }
    in.close();
    // The CRC is checked once the whole entry has been read.
    if (in.getZipError() != UNZ_OK)
        return fail(QStringLiteral("package entry \"%1\" is damaged (error %2)")
                            .arg(printable(name))
                            .arg(in.getZipError()));
    if (total != declared)
        return fail(QStringLiteral("package entry \"%1\" is shorter than the %2 bytes it declares")
                            .arg(printable(name))
                            .arg(declared));
    if (!out.flush()) {
        m_lackedSpace = out.error() == QFileDevice::ResourceError;
        return fail(QStringLiteral("cannot write %1: %2").arg(path, out.errorString()));
    }
    out.close();
    written->append(path);
    return true;
}
