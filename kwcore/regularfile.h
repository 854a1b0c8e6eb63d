#pragma once

/// \file
/// readRegularFile(): reads a small file only when it is a regular one.

#include "kwcore_export.h"

#include <QByteArray>
#include <QString>

/// Reads a small file that a user or another program may have replaced by something that is not
/// a file.
///
/// A FIFO would block the reader for ever, a device such as /dev/zero would fill memory. Only
/// regular files (a link to one is followed) of at most `maxBytes` are read; the rest are refused
/// without a blocking open. A file that grows past the limit while it is read is refused too.
/// Paths into Qt's resources (":/..." or "qrc:/...") are read as they are.
///
/// `data` must not be null: it receives the content and is left empty on refusal. `why` may be
/// null; on refusal it says why in one line. Returns whether the file was read. Safe from any
/// thread.
/// \ingroup core
KWCORE_EXPORT bool readRegularFile(const QString &path, qint64 maxBytes, QByteArray *data, QString *why);
