#pragma once

/// \file
/// UpdateFlowPrivate and VerInfoParse: the description of a published update and its text.

#include "kwcore_export.h"

#include <QMetaType>
#include <QString>

/// The description of one published update.
///
/// The field order is part of the interface: the updater relies on `url` being the seventh
/// field. A plain value, registered with Qt's meta-type system so that it travels in a QVariant;
/// VerInfoParse reads and writes its text.
/// \ingroup core
struct UpdateFlowPrivate
{
    QString version; ///< The version of the update.
    QString name; ///< The update's name, as published.
    QString date; ///< The publication date, as published (free text).
    int size = 0; ///< Bytes of the package.
    QString notes; ///< Release notes, as published.
    int force = 0; ///< Non-zero: the client may not skip this update.
    QString url; ///< The package address.
    QString sha256; ///< Lower-case hex digest of the package; empty when unknown.
    QString minVersion; ///< Oldest client version this package can update.
    int type = 0; ///< The kind of update, as published; not interpreted here.
    QString signature; ///< The package's minisign signature file, whole; empty when unsigned.

    /// Whether every field equals the other's.
    bool operator==(const UpdateFlowPrivate &o) const
    {
        return version == o.version && name == o.name && date == o.date && size == o.size && notes == o.notes &&
               force == o.force && url == o.url && sha256 == o.sha256 && minVersion == o.minVersion && type == o.type &&
               signature == o.signature;
    }
    /// Whether any field differs from the other's.
    bool operator!=(const UpdateFlowPrivate &o) const { return !(*this == o); }
};

Q_DECLARE_METATYPE(UpdateFlowPrivate)

/// Reads and writes the one-line JSON text that describes an update.
///
/// \code
/// const UpdateFlowPrivate info = VerInfoParse::updateInfoParse(text);
/// if (info.url.isEmpty())
///     return;   // unusable: the reason was logged
/// \endcode
///
/// Only static functions; safe from any thread.
/// \ingroup core
class KWCORE_EXPORT VerInfoParse
{
public:
    /// The update described by `text`.
    ///
    /// `text` is a one-line JSON object with the keys version, name, date, size, notes, force,
    /// url, sha256, minVersion, type and signature, or the absolute path of a file holding one.
    /// Missing keys (and null ones) stay empty or zero; the digest is taken in lower case.
    /// Anything unusable (not JSON, not an object, an unreadable file or anything but a regular
    /// file, a text over 1 MB, a member of the wrong type, a negative size, a malformed digest)
    /// gives an all-empty record and one warning line saying why.
    static UpdateFlowPrivate updateInfoParse(const QString &text);

    /// The record as one line of compact JSON that updateInfoParse() reads back unchanged.
    ///
    /// An empty signature is left out.
    static QString toText(const UpdateFlowPrivate &info);
};
