#include "ScriptedServer.h"

#include <gtest/gtest.h>

#include <sys/socket.h>

namespace {

QByteArray htmlPage(int status, const QByteArray &reason)
{
    return "<html><head><title>" + QByteArray::number(status) + " " + reason +
           "</title></head><body><h1>" + reason + "</h1></body></html>\r\n";
}

// Closing with a zero linger time sends a reset instead of an orderly end.
void resetConnection(QTcpSocket *socket)
{
    const linger hard{1, 0};
    ::setsockopt(int(socket->socketDescriptor()), SOL_SOCKET, SO_LINGER, &hard, sizeof hard);
    socket->abort();
}

} // namespace

ScriptedServer::Reply ScriptedServer::ok(QByteArray body)
{
    Reply r;
    r.body = std::move(body);
    return r;
}

ScriptedServer::Reply ScriptedServer::error(int status, QByteArray reason)
{
    Reply r;
    r.status = status;
    r.body = htmlPage(status, reason);
    r.reason = std::move(reason);
    r.extraHeaders = "Content-Type: text/html\r\n";
    return r;
}

ScriptedServer::Reply ScriptedServer::stall(QByteArray body, qint64 cut)
{
    Reply r = ok(std::move(body));
    r.kind = Reply::Stall;
    r.cut = cut;
    return r;
}

ScriptedServer::Reply ScriptedServer::reset(QByteArray body, qint64 cut)
{
    Reply r = ok(std::move(body));
    r.kind = Reply::Reset;
    r.cut = cut;
    return r;
}

ScriptedServer::Reply ScriptedServer::trickle(QByteArray body)
{
    Reply r = ok(std::move(body));
    r.kind = Reply::Trickle;
    return r;
}

ScriptedServer::ScriptedServer()
{
    EXPECT_TRUE(m_server.listen(QHostAddress::LocalHost, 0));
    connect(&m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *socket = m_server.nextPendingConnection()) {
            socket->setParent(this);
            connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { serve(socket); });
        }
    });
}

ScriptedServer::~ScriptedServer()
{
    m_timers.clear();
    m_server.close();
}

QUrl ScriptedServer::baseUrl() const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1/").arg(m_server.serverPort()));
}

void ScriptedServer::serve(QTcpSocket *socket)
{
    QByteArray request = socket->property("request").toByteArray() + socket->readAll();
    socket->setProperty("request", request);
    if (!request.contains("\r\n\r\n") || socket->property("answered").toBool())
        return;
    socket->setProperty("answered", true);
    const QByteArray path = request.left(request.indexOf("\r\n")).split(' ').value(1);
    requested << path;
    if (onRequest)
        onRequest(path);
    answer(socket, m_replies.value(path, error(404, "Not Found")));
}

void ScriptedServer::answer(QTcpSocket *socket, const Reply &r)
{
    if (r.kind == Reply::Silent)
        return;
    QByteArray head = "HTTP/1.1 " + QByteArray::number(r.status) + " " + r.reason + "\r\n";
    if (r.kind != Reply::Endless && r.withLength) {
        const qint64 length = r.announcedLength >= 0 ? r.announcedLength : r.body.size();
        head += "Content-Length: " + QByteArray::number(length) + "\r\n";
    }
    head += r.extraHeaders + "Connection: close\r\n\r\n";
    socket->write(head);

    switch (r.kind) {
    case Reply::Whole:
        socket->write(r.body);
        socket->disconnectFromHost();
        return;
    case Reply::Silent:
    case Reply::Stall:
        socket->write(r.body.left(r.cut));
        return;
    case Reply::Reset:
        socket->write(r.body.left(r.cut));
        socket->flush();
        // Long enough for the bytes to be on their way, then the reset.
        QTimer::singleShot(30, socket, [socket] { resetConnection(socket); });
        return;
    case Reply::Trickle:
    case Reply::Endless: {
        auto timer = std::make_unique<QTimer>();
        QPointer<QTcpSocket> guarded(socket);
        const bool endless = r.kind == Reply::Endless;
        const QByteArray body = r.body;
        timer->setInterval(endless ? 0 : 50);
        connect(timer.get(), &QTimer::timeout, this,
                [guarded, body, endless, pos = qint64(0)]() mutable {
                    if (!guarded || guarded->state() != QAbstractSocket::ConnectedState)
                        return;
                    if (endless) {
                        // Keep a little in flight only, so the sender does not run ahead.
                        if (guarded->bytesToWrite() < 1 << 20)
                            guarded->write(body);
                        return;
                    }
                    if (pos < body.size())
                        guarded->write(body.mid(pos++, 1));
                });
        timer->start();
        m_timers.push_back(std::move(timer));
        return;
    }
    }
}
