#pragma once

#include <QString>

// The two lines the client leaves for the updater: the version description and the
// installation folder. Missing lines read as empty texts.
struct RunParameters
{
    QString verfile;
    QString updateDir;

    static RunParameters read(const QString &path);
};
