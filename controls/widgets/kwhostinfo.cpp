#include "widgets/kwhostinfo.h"

#include <QHostAddress>
#include <QNetworkInterface>
#include <QSysInfo>

namespace {
QString firstRunningMac()
{
    const auto wanted = QNetworkInterface::IsUp | QNetworkInterface::IsRunning;
    for (const QNetworkInterface &nic : QNetworkInterface::allInterfaces()) {
        const auto flags = nic.flags();
        if ((flags & wanted) == wanted && !(flags & QNetworkInterface::IsLoopBack))
            return nic.hardwareAddress();
    }
    return QString();
}

QString lastIpv4Address()
{
    QString last;
    for (const QHostAddress &address : QNetworkInterface::allAddresses()) {
        if (address.protocol() == QAbstractSocket::IPv4Protocol && !address.isLoopback())
            last = address.toString();
    }
    return last;
}
} // namespace

KwHostInfo &KwHostInfo::instance()
{
    static KwHostInfo info;
    return info;
}

KwHostInfo::KwHostInfo()
    : m_macAdress(firstRunningMac())
    , m_ipAdress(lastIpv4Address())
    , m_productName(QSysInfo::prettyProductName())
{
}

QString KwHostInfo::macAdress() const
{
    return m_macAdress;
}

QString KwHostInfo::ipAdress() const
{
    return m_ipAdress;
}

QString KwHostInfo::productName() const
{
    return m_productName;
}
