#pragma once

#include <QByteArray>
#include <QString>

#include <utility>

class QUrl;

// What one fetch gave: the whole body of a complete 200 reply, or why there
// is none. Failures are values, so that every caller has to look at them.
struct FetchResult {
    bool ok = false;
    int status = 0;      // the HTTP status, 0 when no reply arrived
    QByteArray body;     // only meaningful when ok
    QString errorString; // a description for the user when !ok

    static FetchResult success(QByteArray body)
    {
        return FetchResult{true, 200, std::move(body), QString()};
    }
    static FetchResult failure(QString description, int status = 0)
    {
        return FetchResult{false, status, QByteArray(), std::move(description)};
    }
};

// A synchronous fetch of one address: returns when the reply is complete,
// has failed or has timed out.
class HttpFetcher {
  public:
    virtual ~HttpFetcher() = default;
    virtual FetchResult get(const QUrl &url) = 0;
};
