#pragma once

#include "core/quiz/QuestionBank.h"

#include <QByteArray>
#include <QString>

#include <chrono>
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
    // Each request, from sending it to the last byte of the reply, may take
    // this long; the network is not allowed to hold the window for longer.
    static constexpr std::chrono::milliseconds RequestTimeout{std::chrono::seconds(20)};

    // The largest body accepted: a question-bank file of the most lines the
    // program reads (600), each as long as the entry reader can count
    // (32767 characters, its positions are 16-bit) plus CR LF, at one byte
    // per character: 19,661,400 bytes. Anything longer cannot be a bank
    // file, and stopping there keeps a runaway reply from filling the memory.
    static constexpr qint64 BodyCap = qint64{600} * (32767 + 2);

    virtual ~HttpFetcher() = default;

    // A body longer than maxBytes is a failure, and its transfer stops as
    // soon as that is known: a version text needs a few hundred bytes, and
    // a server that sends more is not giving one.
    virtual FetchResult get(const QUrl &url, qint64 maxBytes) = 0;
    FetchResult get(const QUrl &url) { return get(url, BodyCap); }
};

// The bank reader reads as much as the download may write: the largest
// body and the line end added to it.
static_assert(HttpFetcher::BodyCap + 2 == QuestionBank::MaxFileBytes);
