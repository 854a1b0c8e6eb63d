#pragma once

// Pieces the updater's tests share: a loopback HTTP server, zip packages made with QuaZip and
// byte-for-byte snapshots of a folder.

#include "loopbackserver.h"

#include <quazip.h>
#include <quazipfile.h>
#include <quazipnewinfo.h>

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMap>
#include <QMetaType>
#include <QProcess>

namespace kwtest {

struct Entry
{
    QString name;
    QByteArray data;
    bool executable = false;
    bool link = false; // a symbolic link whose target is `data`
};

inline bool makeZip(const QString &path, const QList<Entry> &entries)
{
    QuaZip zip(path);
    if (!zip.open(QuaZip::mdCreate))
        return false;
    for (const Entry &e : entries) {
        QuaZipNewInfo info(e.name);
        QFile::Permissions perms = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther;
        if (e.executable)
            perms |= QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;
        info.setPermissions(perms);
        if (e.link)
            info.externalAttr = (0120777u << 16);
        QuaZipFile file(&zip);
        if (!file.open(QIODevice::WriteOnly, info) || file.write(e.data) != e.data.size())
            return false;
        file.close();
    }
    zip.close();
    return zip.getZipError() == 0;
}

// A client that leaves a mark beside itself when started, so a test can see the restart.
inline Entry clientEntry()
{
    return {"kwfnd.exe", "#!/bin/sh\necho started > \"$(dirname \"$0\")/started.txt\"\n", true, false};
}

inline QList<Entry> goodPackage()
{
    return {clientEntry(), {"data/quotes.txt", QByteArray(20000, 'q')}, {"readme.txt", "新版本"}};
}

inline QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline void writeFile(const QString &path, const QByteArray &data)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(data);
}

inline QString sha256Hex(const QByteArray &data)
{
    return QString::fromLatin1(QCryptographicHash::hash(data, QCryptographicHash::Sha256).toHex());
}

// Every file and folder below `dir` with its content and permission bits.
inline QMap<QString, QByteArray> snapshot(const QString &dir)
{
    QMap<QString, QByteArray> out;
    QDirIterator it(dir, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info = it.fileInfo();
        const QByteArray perms = QByteArray::number(int(info.permissions()), 16);
        out.insert(path.mid(dir.size()), info.isDir() ? "dir " + perms : perms + ' ' + readAll(path));
    }
    return out;
}

// The installation a client leaves: a few files, a hidden one, a sub-folder.
inline void makeInstallation(const QString &dir)
{
    writeFile(dir + "/kwfnd.exe", "old client");
    writeFile(dir + "/.settings", "hidden user setting");
    writeFile(dir + "/cfg/user.json", "{\"theme\":\"dark\"}");
}

// Siblings of `dir` that an update run may have left (staging or moved-aside folders).
inline QStringList leftovers(const QString &dir)
{
    const QFileInfo info(dir);
    return QDir(info.absolutePath()).entryList({info.fileName() + ".kwupdate-*"}, QDir::AllEntries | QDir::Hidden);
}

// The real minisign tool; keys are made without a password (-W).
inline int minisign(const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral("minisign"), args);
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit)
        return -1;
    return p.exitCode();
}

inline bool makeMinisignKey(const QString &dir)
{
    QDir().mkpath(dir);
    return minisign({"-G", "-W", "-p", dir + "/pub", "-s", dir + "/sec"}) == 0;
}

// The .minisig text for `file` signed with the key made in `keyDir`; prehashed unless `legacy`.
inline QByteArray minisignSignature(const QString &keyDir, const QString &file, bool legacy = false,
                                    const QString &comment = QStringLiteral("kwfn update"))
{
    QStringList args{"-S", "-s", keyDir + "/sec", "-m", file, "-x", file + ".minisig", "-t", comment};
    if (legacy)
        args << "-l";
    return minisign(args) == 0 ? readAll(file + ".minisig") : QByteArray();
}

} // namespace kwtest

Q_DECLARE_METATYPE(kwtest::Entry)
