#pragma once

#include <QString>
#include <QStringList>

// Turns a downloaded package into the client's installation without ever leaving the user
// with less than they had.
//
// The package is checked and unpacked into a staging folder beside the installation first;
// only a complete staging folder replaces the installation, by two renames on the same file
// system (old one aside, new one in). The old copy is kept until commit(), so rollback() can
// put it back. Nothing is ever deleted outside the installation, the staging folder and the
// moved-aside copy.
class PackageInstaller
{
public:
    explicit PackageInstaller(const QString &installDir);

    // Why `installDir` must not be replaced (empty, relative, a root, the home folder, the
    // working folder, the all-users folder or a folder above one of them, a file); empty when
    // it may.
    static QString refusalReason(const QString &installDir);

    // Checks the package (a zip whose entries all stay inside the target, no links, the
    // checksum when `sha256` is given) and unpacks it into the staging folder; CRC errors
    // surface while unpacking. On failure the staging folder is gone again. `files` gets the
    // paths written, as they will be inside the installation.
    bool stagePackage(const QString &zipPath, const QString &sha256, QStringList *files);
    // Fills the staging folder with a copy of `folder`.
    bool stageFolder(const QString &folder);
    void discardStaging();

    // Puts the staging folder in the installation's place; the old installation is kept
    // aside. On failure the installation is as it was.
    bool replace();
    // Forgets the moved-aside copy.
    void commit();
    // Undoes replace(): the new installation goes, the moved-aside copy comes back.
    bool rollback();
    // Replaces the installation with a copy of `backupDir` (the copy the client leaves
    // before an update); refuses when there is no such folder, so nothing is removed.
    bool restoreFrom(const QString &backupDir);

    QString installDir() const { return m_installDir; }
    QString stagingDir() const { return m_stagingDir; }
    QString errorString() const { return m_error; }

    // Copies the tree below `fromDir` into `toDir` (created when missing); with `overwrite`,
    // files already there are replaced. Stops at the first failure.
    static bool copyDir(const QString &fromDir, const QString &toDir, bool overwrite);
    // Removes a file, a link (never what it points to) or a folder with everything in it.
    static bool removeTree(const QString &path);

private:
    bool fail(const QString &why);
    bool checkEntries(const QString &zipPath, int *entryCount);
    QString freeAsidePath() const;

    QString m_installDir;
    QString m_stagingDir;
    QString m_asideDir;     // set by replace() while the old installation waits there
    bool m_hadInstall = false;
    QString m_error;
};
