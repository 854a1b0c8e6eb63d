#pragma once

/// \file
/// InternalWebChannel: the "content" object web pages hand text to.

#include "kwcontrolsweb_export.h"

#include <QObject>
#include <QString>

/// The object a page reaches as "content" through the web channel: the page hands text to the
/// host with content.receiveText(text).
///
/// InternalWebView publishes one to its page and passes its signal on as its own. In the page,
/// with Qt's qwebchannel.js loaded:
///
/// \code{.js}
/// new QWebChannel(qt.webChannelTransport, function (channel) {
///     channel.objects.content.receiveText("hello");
/// });
/// \endcode
///
/// Ownership: an ordinary QObject, a child of the view that publishes it. Threading: GUI thread.
/// \ingroup web
class KWCONTROLSWEB_EXPORT InternalWebChannel : public QObject
{
    Q_OBJECT

public:
    /// A channel object; publish it with QWebChannel::registerObject().
    explicit InternalWebChannel(QObject *parent = nullptr);

    /// Called by the page: emits signalRcvContentFromNet() with `content`.
    Q_INVOKABLE void receiveText(QString content);

signals:
    /// The page handed `content` over with content.receiveText(); emitted once per call.
    void signalRcvContentFromNet(QString content);
};
