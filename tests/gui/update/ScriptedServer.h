#pragma once

#include <QByteArray>
#include <QMap>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>

#include <gtest/gtest.h>

#include <functional>

#ifdef _WIN32
#include <winsock2.h>
#else
#include <sys/socket.h>
#endif

// An HTTP server in the test process, for the files of an update server
// and for the replies a well-behaved one never gives: stalls, resets,
// trickles, error pages. It runs on the thread's event loop, which the
// blocking fetch keeps running.
class ScriptedServer : public QObject {
  public:
    struct Reply {
        QByteArray body;
        enum End { Close, Stall, Reset, Trickle } end = Close;
        qint64 sent = -1;   // Stall, Reset: the bytes of the body sent first
        qint64 length = -1; // the announced length; -1: the body's, -2: none
        QByteArray status = "200 OK";
    };
    static Reply error(const QByteArray &status)
    {
        return {"<html><head><title>" + status + "</title></head></html>\r\n", Reply::Close, -1, -1,
                status};
    }

    ScriptedServer()
    {
        EXPECT_TRUE(m_server.listen(QHostAddress::LocalHost, 0));
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = m_server.nextPendingConnection()) {
                socket->setParent(this);
                connect(socket, &QTcpSocket::readyRead, socket,
                        [this, socket, request = QByteArray()]() mutable {
                            const bool answered = request.contains("\r\n\r\n");
                            request += socket->readAll();
                            if (answered || !request.contains("\r\n\r\n"))
                                return;
                            if (onRequest)
                                onRequest();
                            const QByteArray path = request.split(' ').value(1);
                            answer(socket, m_replies.value(path, error("404 Not Found")));
                        });
            }
        });
    }

    QUrl baseUrl() const
    {
        return QUrl(QStringLiteral("http://127.0.0.1:%1/").arg(m_server.serverPort()));
    }
    // The reply for a path such as "/zel/A.zel"; other paths get a 404.
    void on(const QByteArray &path, Reply reply) { m_replies[path] = std::move(reply); }
    // Runs as each request arrives, while the client waits for its reply.
    std::function<void()> onRequest;

  private:
    static void answer(QTcpSocket *socket, const Reply &r)
    {
        QByteArray head = "HTTP/1.1 " + r.status + "\r\n";
        if (r.length != -2)
            head +=
                "Content-Length: " + QByteArray::number(r.length >= 0 ? r.length : r.body.size()) +
                "\r\n";
        socket->write(head + "Connection: close\r\n\r\n");
        if (r.end == Reply::Close) {
            socket->write(r.body);
            socket->disconnectFromHost();
        } else if (r.end == Reply::Trickle) {
            // One byte every 50 ms: each byte is progress, none is the end.
            auto *timer = new QTimer(socket);
            connect(timer, &QTimer::timeout, socket, [socket, body = r.body, pos = 0]() mutable {
                if (socket->state() == QAbstractSocket::ConnectedState && pos < body.size())
                    socket->write(body.mid(pos++, 1));
            });
            timer->start(50);
        } else {
            socket->write(r.body.left(r.sent));
        }
        if (r.end == Reply::Reset) {
            socket->flush();
            // Long enough for the bytes to be on their way; a zero linger
            // time makes the close a reset instead of an orderly end.
            QTimer::singleShot(30, socket, [socket] {
                const linger hard{1, 0};
#ifdef _WIN32
                ::setsockopt(SOCKET(socket->socketDescriptor()), SOL_SOCKET, SO_LINGER,
                             reinterpret_cast<const char *>(&hard), sizeof hard);
#else
                ::setsockopt(int(socket->socketDescriptor()), SOL_SOCKET, SO_LINGER, &hard,
                             sizeof hard);
#endif
                socket->abort();
            });
        }
    }

    QTcpServer m_server;
    QMap<QByteArray, Reply> m_replies;
};
