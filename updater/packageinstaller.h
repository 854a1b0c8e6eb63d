#pragma once

#include <QString>
#include <QStringList>

class QIODevice;

// Turns a checked package into the client's installation without ever leaving the user with
// less than they had, whatever point the process is killed at.
//
// Everything happens beside the installation `<dir>`, on its file system, under fixed names:
//   <dir>.kwupdate-pkg    the downloaded package (a folder only the updater writes)
//   <dir>.kwupdate-new    the staging folder, filled from the package
//   <dir>.kwupdate-old    the old installation, moved aside by the swap; always complete
//   <dir>.kwupdate-trash  a folder being deleted (-trash2, ... when an earlier one is stuck)
//   <dir>.kwupdate-lock   the lock of the run that works on <dir>
// The swap is two renames (old aside, new in); commit() renames the old copy to the trash
// before deleting it, so a partly deleted folder never passes for an installation. recover()
// reads these names to finish what an interrupted run left.
class PackageInstaller
{
public:
    explicit PackageInstaller(const QString &installDir);

    // Why `installDir` must never be replaced, judged by its path alone: empty or relative, a
    // root, a system folder, the home folder or above, the all-users folder or anything
    // inside or above it. Empty when it may.
    static QString pathRefusal(const QString &installDir);
    // pathRefusal(), and besides the folder must exist and be a real folder, not a link.
    static QString refusalReason(const QString &installDir);
    // The one spelling of `installDir` every step uses: its parent with links resolved, then
    // its own name (never followed).
    static QString resolvedPath(const QString &installDir);

    // Puts right what an interrupted run left: the installation missing and the old copy
    // aside means the old copy goes back; an old copy beside a complete installation is
    // deleted, as are staging, trash and package folders. False when something cannot be
    // put right (nothing else is touched then).
    bool recover();

    // A fresh, private folder for the package; discarded with discardPackageDir().
    bool makePackageDir();
    void discardPackageDir();

    // Checks the package read from `package` (entry names, declared sizes against the
    // package and the free space of the volume) and unpacks it into the staging folder. On
    // failure the staging folder is gone again and lackedSpace() tells whether room was
    // what failed. `files` gets the paths written, as they will be inside the installation.
    bool stagePackage(QIODevice *package, QStringList *files);
    // Fills the staging folder with a copy of `folder`.
    bool stageFolder(const QString &folder);
    void discardStaging();

    // Puts the staging folder in the installation's place; the old installation waits
    // aside. On failure the installation is as it was and the staging folder is gone.
    bool replace();
    // Deletes the old installation.
    void commit();
    // Undoes replace(): the new installation goes, the old one comes back.
    bool rollback();
    // Replaces the installation with a copy of `backupDir` (the copy the client leaves
    // before an update); refuses when there is no such folder, so nothing is removed.
    bool restoreFrom(const QString &backupDir);

    QString installDir() const { return m_installDir; }
    QString packageDir() const { return sibling("pkg"); }
    QString stagingDir() const { return sibling("new"); }
    QString asideDir() const { return sibling("old"); }
    QString trashDir() const { return sibling("trash"); }
    QString lockPath() const { return sibling("lock"); }
    QString errorString() const { return m_error; }
    bool lackedSpace() const { return m_lackedSpace; }

    // Copies the tree below `fromDir` into `toDir` (created when missing); with `overwrite`,
    // files already there are replaced. Stops at the first failure.
    static bool copyDir(const QString &fromDir, const QString &toDir, bool overwrite);
    // Removes a file, a link (never what it points to) or a folder with everything in it.
    static bool removeTree(const QString &path);

private:
    bool fail(const QString &why);
    QString sibling(const char *role) const;
    QString freeTrashPath() const;
    void removeTrash();
    bool removeIfThere(const QString &path);

    QString m_installDir;
    QString m_error;
    bool m_lackedSpace = false;
};
