#include "bus/kwobject.h"

#include "bus/internalmsgobj.h"

#include "curlparameter.h"

#include <QMetaType>

// The bus exists from the moment the library is loaded until unInit().
InternalMsgObj *KwObject::m_sMsgBus = new InternalMsgObj;
KwStyles *KwObject::m_kwStyles = nullptr;
QString KwObject::globalStockCode;

KwObject::KwObject(QString name)
    : m_path(std::move(name))
{
}

KwObject::KwObject(const KwObject &other)
    : m_stockCode(other.m_stockCode)
    , m_owner(other.m_owner)
    , m_path(other.m_path)
{
}

KwObject &KwObject::operator=(const KwObject &other)
{
    // The registry may hold this object under the path it is about to lose: keep that entry
    // known, so this object's death still removes it.
    if (m_sMsgBus && m_path != other.m_path)
        m_sMsgBus->leavePath(this, m_path);
    m_stockCode = other.m_stockCode;
    m_owner = other.m_owner;
    m_path = other.m_path;
    return *this;
}

KwObject::~KwObject()
{
    if (m_sMsgBus)
        m_sMsgBus->forget(this, m_path);
}

void KwObject::init()
{
    // Registering under the exact name also registers the conversion to
    // QAssociativeIterable, so the map travels in QVariants and queued signals.
    qRegisterMetaType<std::map<QString, QString>>("std::map<QString,QString>");
}

void KwObject::unInit()
{
    delete m_sMsgBus;
    m_sMsgBus = nullptr;
}

void KwObject::MsgBack()
{
    m_sMsgBus->back();
}

QString KwObject::createMsg(const QString &name, const std::map<QString, QString> &params)
{
    CUrlParameter parameters(std::string(), false, false);
    for (const auto &pair : params)
        parameters.setString(pair.first.toStdString(), pair.second.toStdString());
    return name + QLatin1Char('?') + QString::fromStdString(parameters.getUrlParameter());
}

bool KwObject::parseMsg(const QString &text, QString &name, std::map<QString, QString> &params)
{
    const QByteArray bytes = text.toUtf8();
    const int mark = bytes.indexOf('?');
    if (mark < 0)
        return false;
    name = QString::fromUtf8(bytes.constData(), mark);
    const CUrlParameter parameters(std::string(bytes.constData() + mark + 1, std::size_t(bytes.size() - mark - 1)),
                                   true, false);
    for (const auto &pair : parameters) {
        QString key = QString::fromStdString(pair.first);
        if (params.find(key) == params.end())
            params.emplace(std::move(key), QString::fromStdString(pair.second));
    }
    return true;
}

void KwObject::setKWStyles(KwStyles *styles)
{
    m_kwStyles = styles;
}

KwStyles *KwObject::getKWStyles()
{
    return m_kwStyles;
}

void KwObject::attachMessageBus(bool force)
{
    if (m_owner || force)
        m_sMsgBus->registerObject(m_path, this);
}

void KwObject::detachMessageBus()
{
    m_sMsgBus->detach(m_path);
}

void KwObject::setOwner(KwObject *owner)
{
    m_owner = owner;
    if (!owner || m_path.isEmpty())
        return;
    const QString oldPath = m_path;
    m_path = owner->getPath() + QStringLiteral("//") + m_path;
    m_sMsgBus->moveObject(this, oldPath, m_path);
}

KwObject *KwObject::getOwner()
{
    return m_owner;
}

QString KwObject::getPath() const
{
    return m_path;
}

QString KwObject::getStockCode() const
{
    return m_stockCode;
}

void KwObject::sendMessage(const QString &name, const std::map<QString, QString> &params, bool record)
{
    m_sMsgBus->send(this, createMsg(name, params), record);
}

void KwObject::broadcastMessage(const std::map<QString, QString> &params)
{
    m_sMsgBus->broadcast(this, createMsg(QStringLiteral("broadcast"), params));
}

void KwObject::getMessage(const QString &name, const std::map<QString, QString> &params, Any &result)
{
    m_sMsgBus->get(createMsg(name, params), result);
}

void KwObject::setDefaultMsg(const QString &name, const std::map<QString, QString> &params)
{
    m_sMsgBus->setCurrent(this, createMsg(name, params));
}

void KwObject::setGlobalPageId(int id)
{
    m_sMsgBus->m_globalPageId = id;
}

int KwObject::getGlobalPageId()
{
    return m_sMsgBus->m_globalPageId;
}

void KwObject::setGlobalChildPageId(int id)
{
    m_sMsgBus->m_globalChildPageId = id;
}

int KwObject::getGlobalChildPageId()
{
    return m_sMsgBus->m_globalChildPageId;
}

void KwObject::onMessage(const QString &, const std::map<QString, QString> &) { }

bool KwObject::onProcessGetMessage(const QString &, std::map<QString, QString> &, Any &)
{
    return false;
}

void KwObject::setStockCode(const QString &code)
{
    m_stockCode = code;
    OnStockCodeChange();
}

void KwObject::afterActive() { }

void KwObject::afterDeactive() { }

void KwObject::onNetIoReady(bool ready)
{
    if (ready)
        afterActive();
}

void KwObject::OnStockCodeChange() { }
