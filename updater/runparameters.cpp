#include "runparameters.h"

#include "regularfile.h"

#include <QTextStream>

bool RunParameters::read(const QString &path, QString *why)
{
    QByteArray content;
    if (!readRegularFile(path, MaxFileBytes, &content, why))
        return false;
    // readLine() drops "\n" and "\r\n" alike; the stream honours a byte-order mark.
    QTextStream in(&content, QIODevice::ReadOnly);
    verfile = in.readLine();
    updateDir = in.readLine();
    return true;
}
