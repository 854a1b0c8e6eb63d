#pragma once

#include <QString>

// Why an update did not happen, as far as the user can act on it. The log keeps the details.
enum class UpdateFailure {
    Parameters, // no or an unreadable parameter file
    Description, // the version description is unusable
    AnotherRun, // another updater works on the same installation or all-users folder
    Folder, // the installation folder must not be replaced
    Network, // the package could not be downloaded
    Package, // the package is damaged, incomplete or hostile
    Signature, // the package is not signed by the trusted key
    DiskSpace, // not enough room to unpack
    Install // the installation could not be swapped (files in use, rights)
};

// The cause in plain words for the failure page.
QString failureText(UpdateFailure failure);
// The one log line every failure writes, before the window shows it.
void logUpdateFailure(const QString &reason);
