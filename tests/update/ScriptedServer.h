#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>

#include <functional>
#include <memory>
#include <vector>

// An HTTP server in the test process for the replies a static server
// cannot give: stalls, resets, trickles, error pages. It runs on the
// thread's event loop, which the blocking fetch keeps running.
class ScriptedServer : public QObject {
  public:
    struct Reply {
        enum Kind {
            Whole,   // head, body, close
            Stall,   // head and the first `cut` bytes of the body, then silence
            Silent,  // accepts the request and never answers
            Reset,   // head and `cut` bytes of the body, then a connection reset
            Trickle, // head, then one byte of the body every 50 ms
            Endless, // head (no length), then the body over and over
        };
        Kind kind = Whole;
        int status = 200;
        QByteArray reason = "OK";
        QByteArray body;
        qint64 cut = 0;
        QByteArray extraHeaders;
        bool withLength = true;
        qint64 announcedLength = -1; // -1: the body's own length
    };

    static Reply ok(QByteArray body);
    static Reply error(int status, QByteArray reason);
    static Reply stall(QByteArray body, qint64 cut);
    static Reply reset(QByteArray body, qint64 cut);
    static Reply trickle(QByteArray body);

    ScriptedServer();
    ~ScriptedServer() override;

    QUrl baseUrl() const;
    // The reply for a path such as "/zel/A.zel"; unknown paths get a 404.
    void on(const QByteArray &path, Reply reply) { m_replies[path] = std::move(reply); }
    QList<QByteArray> requested;
    // Runs as each request arrives, while the client is waiting for it.
    std::function<void(const QByteArray &path)> onRequest;

  private:
    void serve(QTcpSocket *socket);
    void answer(QTcpSocket *socket, const Reply &r);

    QTcpServer m_server;
    QMap<QByteArray, Reply> m_replies;
    std::vector<std::unique_ptr<QTimer>> m_timers;
};
