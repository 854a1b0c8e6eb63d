#pragma once

#include "kwcore_export.h"

#include <QMetaType>
#include <QString>

// The description of one published update. The field order is part of the interface:
// the updater relies on `url` being the seventh field.
struct UpdateFlowPrivate
{
    QString version;
    QString name;
    QString date;
    int size = 0;           // bytes of the package
    QString notes;
    int force = 0;          // non-zero: the client may not skip this update
    QString url;            // the package address
    QString sha256;         // lower-case hex digest of the package; empty when unknown
    QString minVersion;     // oldest client version this package can update
    int type = 0;
    QString signature;      // the package's minisign signature file, whole; empty when unsigned

    bool operator==(const UpdateFlowPrivate &o) const
    {
        return version == o.version && name == o.name && date == o.date && size == o.size
            && notes == o.notes && force == o.force && url == o.url && sha256 == o.sha256
            && minVersion == o.minVersion && type == o.type && signature == o.signature;
    }
    bool operator!=(const UpdateFlowPrivate &o) const { return !(*this == o); }
};

Q_DECLARE_METATYPE(UpdateFlowPrivate)

class KWCORE_EXPORT VerInfoParse
{
public:
    // `text` is a one-line JSON object with the keys version, name, date, size, notes, force,
    // url, sha256, minVersion, type and signature, or the absolute path of a file holding one. Missing
    // keys stay empty or zero. Anything unusable (not JSON, not an object, an unreadable
    // file or anything but a regular file, a text over 1 MB, a member of the wrong type, a
    // malformed digest) gives an all-empty record and one warning line saying why.
    static UpdateFlowPrivate updateInfoParse(const QString &text);

    // The record as one line of compact JSON that updateInfoParse() reads back unchanged.
    static QString toText(const UpdateFlowPrivate &info);
};
