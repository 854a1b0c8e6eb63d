#pragma once

#include <QString>

// The two lines the client leaves for the updater: the version description and the
// installation folder. A short file leaves the missing lines empty.
struct RunParameters
{
    // The description may be 1 MB inline; the folder and the line ends fit in the rest.
    static constexpr qint64 MaxFileBytes = (1 << 20) + (64 << 10);

    QString verfile;
    QString updateDir;

    // False (and `why`) when there is no parameter file, or it is not a regular file or
    // larger than MaxFileBytes: the run has nothing to work on.
    bool read(const QString &path, QString *why);

    // True when the command line asks for the usage (--help, -h, /?): the program prints
    // usage() and ends before it opens a window, takes a lock or writes its log.
    static bool asksForHelp(int argc, const char *const *argv);
    static QString usage();
};
