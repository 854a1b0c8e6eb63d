#pragma once

#include <QHash>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>

namespace kwtest {

// A loopback HTTP/1.1 server answering GET requests from a table of routes. A route can announce
// more bytes than it sends and then hang up or stall, which is how real downloads go wrong.
// Unknown paths get a 404.
class LoopbackServer : public QTcpServer
{
public:
    struct Route
    {
        int status = 200;
        QByteArray body;
        qint64 sendBytes = -1; // bytes of the body actually sent; -1: all
        bool hangUp = true; // after sending: close (true) or stall with the socket open
        bool chunked = false; // Transfer-Encoding: chunked instead of Content-Length
        QByteArray location; // Location header, for redirects
        QByteArray headers; // further header lines, each ending in "\r\n"
    };
    static Route route(int status, const QByteArray &body, qint64 sendBytes = -1, bool hangUp = true,
                       bool chunked = false, const QByteArray &location = QByteArray())
    {
        return Route{status, body, sendBytes, hangUp, chunked, location, QByteArray()};
    }

    LoopbackServer()
    {
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *s = nextPendingConnection()) {
                connect(s, &QTcpSocket::readyRead, this, [this, s] { onRequest(s); });
                connect(s, &QTcpSocket::disconnected, this, [this, s] {
                    m_requests.remove(s);
                    s->deleteLater();
                });
            }
        });
        listen(QHostAddress::LocalHost, 0);
    }

    QString url(const QString &path) const { return QString("http://127.0.0.1:%1%2").arg(serverPort()).arg(path); }

    QHash<QByteArray, Route> routes;
    int requests = 0;

private:
    void onRequest(QTcpSocket *s)
    {
        QByteArray &buffer = m_requests[s];
        buffer += s->readAll();
        if (!buffer.contains("\r\n\r\n"))
            return;
        ++requests;
        const QByteArray path = buffer.split(' ').value(1);
        buffer.clear();
        const Route route = routes.value(path, LoopbackServer::route(404, "not here"));

        const QByteArray body = route.sendBytes < 0 ? route.body : route.body.left(route.sendBytes);
        QByteArray head = "HTTP/1.1 " + QByteArray::number(route.status) +
                          (route.status < 300   ? " OK"
                           : route.status < 400 ? " Found"
                                                : " Not Found") +
                          "\r\nConnection: close\r\n" + route.headers;
        if (!route.location.isEmpty())
            head += "Location: " + route.location + "\r\n";
        if (route.chunked) {
            head += "Transfer-Encoding: chunked\r\n\r\n";
            for (int at = 0; at < body.size(); at += 1000) {
                const QByteArray piece = body.mid(at, 1000);
                head += QByteArray::number(piece.size(), 16) + "\r\n" + piece + "\r\n";
            }
            s->write(head + "0\r\n\r\n");
        } else {
            s->write(head + "Content-Length: " + QByteArray::number(route.body.size()) + "\r\n\r\n" + body);
        }
        if (route.hangUp)
            s->disconnectFromHost();
    }

    QHash<QTcpSocket *, QByteArray> m_requests;
};

} // namespace kwtest
