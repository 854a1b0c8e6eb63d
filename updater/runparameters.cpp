#include "runparameters.h"

#include <QFile>
#include <QTextStream>

RunParameters RunParameters::read(const QString &path)
{
    RunParameters params;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return params;
    // readLine() drops "\n" and "\r\n" alike; the stream honours a byte-order mark.
    QTextStream in(&file);
    params.verfile = in.readLine();
    params.updateDir = in.readLine();
    return params;
}
