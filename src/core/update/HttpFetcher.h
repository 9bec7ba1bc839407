#pragma once

#include "core/common/Error.h"
#include "core/quiz/QuestionBank.h"

#include <QByteArray>
#include <QString>

#include <chrono>

class QUrl;

// A synchronous fetch of one address: returns when the reply is complete,
// has failed or has timed out. A fetch gives the whole body of a complete
// 200 reply, or a description of why there is none for the user.
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
    [[nodiscard]] virtual Result<QByteArray> get(const QUrl &url, qint64 maxBytes) = 0;
    [[nodiscard]] Result<QByteArray> get(const QUrl &url) { return get(url, BodyCap); }
};

// The bank reader reads as much as the download may write: the largest
// body and the line end added to it.
static_assert(HttpFetcher::BodyCap + 2 == QuestionBank::MaxFileBytes);
