#pragma once

/// \file
/// KwHostInfo, what the client reports about the machine it runs on.

#include "kwcontrols_export.h"

#include <QString>

/// What the client reports about the machine it runs on, gathered once per process.
///
/// The values are read on the first call of instance() and never again, so a network that
/// changes later is not seen. Each is an empty text when the machine has nothing to report.
///
/// \code
/// const KwHostInfo &host = KwHostInfo::instance();
/// params["mac"] = host.macAdress();
/// params["ip"] = host.ipAdress();
/// \endcode
///
/// Not a widget: instance() and the getters may be called from any thread.
/// \ingroup widgets
class KWCONTROLS_EXPORT KwHostInfo
{
public:
    /// The one instance, made (and the values gathered) on the first call.
    static KwHostInfo &instance();

    /// The hardware address of the first running interface that is not the loopback one.
    ///
    /// In Qt's notation ("AA:BB:CC:DD:EE:FF"), first in QNetworkInterface's order.
    QString macAdress() const;
    /// The last IPv4 address of the machine that is not a loopback address, in dotted form.
    QString ipAdress() const;
    /// The operating system's name as shown to people, e.g. "Windows 10 Version 2009".
    ///
    /// QSysInfo::prettyProductName().
    QString productName() const;

private:
    KwHostInfo();

    QString m_macAdress;
    QString m_ipAdress;
    QString m_productName;
};
