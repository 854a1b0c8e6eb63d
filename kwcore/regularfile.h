#pragma once

#include "kwcore_export.h"

#include <QByteArray>
#include <QString>

// Reads a small file that a user or another program may have replaced by something that is
// not a file: a FIFO would block the reader for ever, a device such as /dev/zero would fill
// memory. Only regular files (a link to one is followed) of at most `maxBytes` are read; the
// rest are refused without a blocking open. Paths into Qt's resources (":/...") are read as
// they are. On refusal `why` says why in one line and `data` is left empty.
KWCORE_EXPORT bool readRegularFile(const QString &path, qint64 maxBytes, QByteArray *data, QString *why);
