#pragma once

#include "kwcontrols_export.h"

#include <QString>

#include <map>

// Both are defined by the client: the bus only passes references and pointers through.
class Any;
class KwStyles;
class InternalMsgObj;

// The base through which pages, windows and dialogs find each other by path and exchange
// text messages over the in-process bus. Delivery is synchronous on the sender's thread.
// Widget classes inherit it beside their Qt base; it is a plain class, not a QObject.
class KWCONTROLS_EXPORT KwObject
{
public:
    using Params = std::map<QString, QString>;

    KwObject(QString name = QString(""));
    KwObject(const KwObject &other);
    KwObject &operator=(const KwObject &other);
    // Not virtual: objects are destroyed through their most-derived type.
    ~KwObject();

    // Registers std::map<QString,QString> with the meta-type system (idempotent).
    static void init();
    // Destroys the bus; afterwards only destruction of KwObjects is allowed.
    static void unInit();
    // Replays the newest history entry to whoever is registered under its path now.
    static void MsgBack();
    static QString createMsg(const QString &name, const std::map<QString, QString> &params);
    static bool parseMsg(const QString &text, QString &name, std::map<QString, QString> &params);
    static void setKWStyles(KwStyles *styles);
    static KwStyles *getKWStyles();

    void attachMessageBus(bool force);
    void detachMessageBus();
    // The owner is neither owned nor watched (it is no QObject): getOwner() returns it only
    // while it lives. Its path is copied into this object's path, so the owner may die first.
    void setOwner(KwObject *owner);
    KwObject *getOwner();
    QString getPath() const;
    QString getStockCode() const;

    void sendMessage(const QString &name, const std::map<QString, QString> &params, bool record);
    void broadcastMessage(const std::map<QString, QString> &params);
    void getMessage(const QString &name, const std::map<QString, QString> &params, Any &result);
    void setDefaultMsg(const QString &name, const std::map<QString, QString> &params);

    void setGlobalPageId(int id);
    int getGlobalPageId();
    void setGlobalChildPageId(int id);
    int getGlobalChildPageId();

    virtual void onMessage(const QString &from, const std::map<QString, QString> &params);
    virtual bool onProcessGetMessage(const QString &name, std::map<QString, QString> &params, Any &result);
    virtual void setStockCode(const QString &code);
    virtual void afterActive();
    virtual void afterDeactive();
    virtual void onNetIoReady(bool ready);
    virtual void OnStockCodeChange();

    // A process-wide stock code for the client's own use; the library never touches it.
    static QString globalStockCode;

protected:
    QString m_stockCode;
    KwObject *m_owner = nullptr;
    QString m_path;

    static InternalMsgObj *m_sMsgBus;
    static KwStyles *m_kwStyles;
};
