#pragma once

#include "kwcontrols_export.h"

#include <QString>

// What the client reports about the machine it runs on, gathered once per process.
class KWCONTROLS_EXPORT KwHostInfo
{
public:
    static KwHostInfo &instance();

    // The hardware address of the first running interface that is not the loopback one.
    QString macAdress() const;
    // The last IPv4 address of the machine that is not a loopback address.
    QString ipAdress() const;
    // The operating system's name as shown to people, e.g. "Windows 10 Version 2009".
    QString productName() const;

private:
    KwHostInfo();

    QString m_macAdress;
    QString m_ipAdress;
    QString m_productName;
};
