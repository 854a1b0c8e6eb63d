#pragma once

/// \file
/// KwObject: the base through which pages, windows and dialogs talk over the message bus.

#include "kwcontrols_export.h"

#include <QString>

#include <map>

// Both are defined by the client: the bus only passes references and pointers through.
class Any;
class KwStyles;
class InternalMsgObj;

/// The base through which pages, windows and dialogs find each other by path and exchange text
/// messages over the in-process bus.
///
/// Widget classes inherit it beside their Qt base; it is a plain class, not a QObject. Each object
/// has a path (its name, prefixed with its owner's path and "//" by setOwner()) and is reached
/// under that path once it is registered: by attachMessageBus() or by setOwner(). A message is a
/// receiver path and parameters; sendMessage() delivers it to onMessage() of the object
/// registered under that path, broadcastMessage() to every registered object, getMessage() asks
/// onProcessGetMessage() for an answer. Delivery is synchronous on the sender's thread: the
/// receiver's handler has run when the call returns. Messages sent with `record` form a
/// back-navigation history that MsgBack() replays.
///
/// \code
/// class QuotePage : public BaseWidget   // a QWidget and a KwObject
/// {
/// public:
///     // Reached as "main//quote" when main's path is "main".
///     QuotePage(BaseWidget *main) : BaseWidget(main, "quote") { setOwner(main); }
///     void onMessage(const QString &from, const Params &params) override
///     {
///         showCode(params.at("code"));
///     }
/// };
///
/// // anywhere else:
/// sender->sendMessage("main//quote", {{"code", "600000"}}, true);
/// \endcode
///
/// Ownership: the bus owns no object. Destroying an object removes the registration under its
/// path, whichever object holds it (a copy with the same path too), and every registration it
/// still had under an older path; history entries it sent keep its last path as their sender.
/// Classes the client defines, Any and KwStyles, are only passed through by reference or pointer.
///
/// Threading: the bus is locked internally, so registration and delivery may happen on any
/// thread, but handlers run on the sender's thread; objects that are widgets are used in the GUI
/// thread only.
/// \ingroup bus
class KWCONTROLS_EXPORT KwObject
{
public:
    /// The parameters of a message, by name.
    using Params = std::map<QString, QString>;

    /// An object with path `name`, not yet registered on the bus.
    KwObject(QString name = QString(""));
    /// A copy with the other's path, owner and stock code, not registered on the bus.
    ///
    /// Its destruction removes whatever is registered under that path, the original included.
    KwObject(const KwObject &other);
    /// Takes the other's path, owner and stock code.
    ///
    /// A registration under the path this object had stays until this object dies; nothing is
    /// registered under the new path.
    KwObject &operator=(const KwObject &other);
    /// Takes the object off the bus (see the class description).
    ///
    /// Not virtual: objects are destroyed through their most-derived type.
    ~KwObject();

    /// Registers `std::map<QString, QString>` with the meta-type system, so the parameters travel
    /// in QVariants and queued signals. Idempotent; call once before such use.
    static void init();
    /// Destroys the bus; afterwards only destruction of KwObjects is allowed.
    static void unInit();
    /// Replays the newest history entry to whoever is registered under its path now.
    ///
    /// The receiver's onMessage() gets the entry's sender path as `from` (its last path when the
    /// sender has died since); the entry leaves the history and becomes the current message, even
    /// when nobody is registered under its path. Does nothing when the history is empty.
    static void MsgBack();
    /// The text of a message: `name`, '?' and the parameters as URL-style text in key order.
    ///
    /// The parameters are percent-encoded by CUrlParameter; the name is taken as it is. For
    /// example "main//quote?code=600000".
    static QString createMsg(const QString &name, const std::map<QString, QString> &params);
    /// Splits a message text made by createMsg() into its name and parameters.
    ///
    /// The name is the text before the first '?'; false (and nothing changed) when there is none.
    /// The parameters are added to `params`; a key `params` holds already keeps its value.
    static bool parseMsg(const QString &text, QString &name, std::map<QString, QString> &params);
    /// Sets the process-wide style object of the client; it is not owned, and the library never
    /// uses it.
    static void setKWStyles(KwStyles *styles);
    /// The style object given to setKWStyles(), or null.
    static KwStyles *getKWStyles();

    /// Registers the object on the bus under its path when it has an owner or `force` is true.
    ///
    /// An object registered under the same path before is replaced.
    void attachMessageBus(bool force);
    /// Removes the registration under the object's path, whichever object holds it, and every
    /// history entry sent by a live object with that path; the current message stays.
    void detachMessageBus();
    /// Sets the owner and, when there is one and this object's path is not empty, prefixes the
    /// path with the owner's path and "//" and registers the object under the new path.
    ///
    /// A registration under the old path stays until this object dies. Each call prefixes again.
    /// The owner is neither owned nor watched (it is no QObject): getOwner() returns the pointer
    /// as given, which is usable only while the owner lives. Its path is copied into this
    /// object's path, so the owner may die first.
    void setOwner(KwObject *owner);
    /// The owner given to setOwner() (a copy's owner is the original's), or null.
    KwObject *getOwner();
    /// The path the object is reached under, such as "main//quote"; may be empty.
    QString getPath() const;
    /// The stock code last given to setStockCode().
    QString getStockCode() const;

    /// Delivers a message to the object registered under the path `name`.
    ///
    /// Its onMessage() runs before this call returns, with this object's path as `from`. Nothing
    /// happens when nobody is registered under `name`, which must not hold '?'. With `record`
    /// true and a receiver found, the current message goes into the history (which keeps the
    /// newest InternalMsgObj::MaxHistory entries) and this message becomes the current one, so
    /// that MsgBack() can return to it.
    void sendMessage(const QString &name, const std::map<QString, QString> &params, bool record);
    /// Delivers `params` to every registered object but this one, in ascending path order, with
    /// "broadcast" as `from`.
    ///
    /// An object registered while the broadcast runs is not reached; one destroyed meanwhile is
    /// skipped. The history is not touched.
    void broadcastMessage(const std::map<QString, QString> &params);
    /// Asks the object registered under the path `name` for an answer in `result`.
    ///
    /// Its onProcessGetMessage() runs before this call returns; `result` stays untouched when
    /// nobody is registered under `name`.
    void getMessage(const QString &name, const std::map<QString, QString> &params, Any &result);
    /// Makes this message the current one without delivering it: the place MsgBack() returns to
    /// once the next recorded message has pushed it into the history.
    void setDefaultMsg(const QString &name, const std::map<QString, QString> &params);

    /// Sets the page id shared by the whole process; the library only stores it.
    void setGlobalPageId(int id);
    /// The page id shared by the whole process; 0 until set.
    int getGlobalPageId();
    /// Sets the child page id shared by the whole process; the library only stores it.
    void setGlobalChildPageId(int id);
    /// The child page id shared by the whole process; -1 until set.
    int getGlobalChildPageId();

    /// Receives a message sent to this object's path.
    ///
    /// `from` is the sender's path (empty for a sender without one), or "broadcast" for a
    /// broadcast; `params` are the message's parameters. Runs on the sender's thread, inside its
    /// call. The default does nothing.
    virtual void onMessage(const QString &from, const std::map<QString, QString> &params);
    /// Answers a getMessage() sent to this object's path by filling `result`.
    ///
    /// `name` is the path the request was addressed to, `params` its parameters. The return value
    /// is not used by the bus. The default does nothing and returns false.
    virtual bool onProcessGetMessage(const QString &name, std::map<QString, QString> &params, Any &result);
    /// Stores the stock code and calls OnStockCodeChange().
    virtual void setStockCode(const QString &code);
    /// Called when the object's page becomes the current one (by BaseStackWidget, or by
    /// onNetIoReady(true)). The default does nothing.
    virtual void afterActive();
    /// Called when the object's page stops being the current one (by BaseStackWidget). The default
    /// does nothing.
    virtual void afterDeactive();
    /// Tells the object whether the network is ready; the default calls afterActive() when it is.
    virtual void onNetIoReady(bool ready);
    /// Called by setStockCode() after the code changed. The default does nothing.
    virtual void OnStockCodeChange();

    /// A process-wide stock code for the client's own use; the library never touches it.
    static QString globalStockCode;

protected:
    /// The stock code, as set by setStockCode().
    QString m_stockCode;
    /// The owner, as set by setOwner(); not owned.
    KwObject *m_owner = nullptr;
    /// The path the object is reached under.
    QString m_path;

    /// The bus of the process: made when the library is loaded, destroyed by unInit().
    static InternalMsgObj *m_sMsgBus;
    /// The style object given to setKWStyles().
    static KwStyles *m_kwStyles;
};
