#include "QtHttpFetcher.h"

#include "InputSwallower.h"

#include <QEventLoop>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

#include <algorithm>

namespace {

enum class Abort { None, TimedOut, TooLarge };

QString seconds(std::chrono::milliseconds t)
{
    const double s = double(t.count()) / 1000.0;
    return s == 1.0 ? QStringLiteral("1 second") : QStringLiteral("%1 seconds").arg(s);
}

} // namespace

QtHttpFetcher::QtHttpFetcher(std::chrono::milliseconds timeout, qint64 bodyCap)
    : m_timeout(timeout), m_bodyCap(bodyCap)
{
    m_manager.setRedirectPolicy(QNetworkRequest::NoLessSafeRedirectPolicy);
}

Result<QByteArray> QtHttpFetcher::get(const QUrl &url, qint64 maxBytes)
{
    const qint64 cap = std::min(maxBytes, m_bodyCap);
    const QString address = url.toDisplayString();
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
        return failure(QStringLiteral("%1 is not a web address (http or https)")
                           .arg(address.isEmpty() ? QStringLiteral("\"\"") : address));

    QNetworkRequest request(url);
    // The files are small text: an identity body keeps the size cap a cap on
    // what is held in memory, with no decompression behind it.
    request.setRawHeader("Accept-Encoding", "identity");
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);

    QNetworkReply *reply = m_manager.get(request);
    QByteArray body;
    Abort abort = Abort::None;
    auto stop = [&](Abort why) {
        if (abort == Abort::None) {
            abort = why;
            reply->abort();
        }
    };

    QEventLoop loop;
    // The time-out bounds the whole request. Qt's own transfer time-out is
    // not used: it restarts with every byte, so a server that trickles
    // could hold the window for ever, and its coarse timer fires early.
    QTimer deadline;
    deadline.setSingleShot(true);
    deadline.setTimerType(Qt::PreciseTimer);
    QObject::connect(&deadline, &QTimer::timeout, reply, [&] { stop(Abort::TimedOut); });
    QObject::connect(reply, &QNetworkReply::readyRead, reply, [&] {
        body += reply->readAll();
        if (body.size() > cap)
            stop(Abort::TooLarge);
    });
    // A server that announces too much is refused before it sends it.
    QObject::connect(reply, &QNetworkReply::metaDataChanged, reply, [&] {
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        if (length.isValid() && length.toLongLong() > cap)
            stop(Abort::TooLarge);
    });
    QObject::connect(reply, &QNetworkReply::downloadProgress, reply, [&](qint64, qint64 total) {
        if (total > cap)
            stop(Abort::TooLarge);
    });
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);

    {
        const InputSwallower swallowInput;
        deadline.start(m_timeout);
        if (!reply->isFinished())
            loop.exec();
    }
    deadline.stop();

    if (abort == Abort::None) {
        body += reply->readAll();
        if (body.size() > cap)
            abort = Abort::TooLarge;
    }
    const QNetworkReply::NetworkError error = reply->error();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QString reason =
        reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString().trimmed();
    const QVariant announced = reply->header(QNetworkRequest::ContentLengthHeader);
    const QString qtError = reply->errorString();
    reply->deleteLater();

    if (abort == Abort::TimedOut) {
        return failure(QStringLiteral("%1 timed out after %2").arg(address, seconds(m_timeout)));
    }
    if (abort == Abort::TooLarge)
        return failure(QStringLiteral("%1 is larger than %2 bytes").arg(address).arg(cap));
    if (error != QNetworkReply::NoError) {
        // A body cut short still carries status 200 and its partial bytes:
        // only a reply without any error counts.
        const bool named = qtError.contains(url.toString()) || qtError.contains(address);
        return failure(named ? qtError : address + QStringLiteral(": ") + qtError);
    }
    if (status != 200) {
        return failure(QStringLiteral("%1: the server answered %2 %3")
                           .arg(address)
                           .arg(status)
                           .arg(reason)
                           .trimmed());
    }
    if (announced.isValid() && announced.toLongLong() != body.size()) {
        return failure(QStringLiteral("%1 ended after %2 of %3 bytes")
                           .arg(address)
                           .arg(body.size())
                           .arg(announced.toLongLong()));
    }
    return body;
}
