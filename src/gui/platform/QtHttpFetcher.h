#pragma once

#include "core/update/HttpFetcher.h"

#include <QNetworkAccessManager>

#include <chrono>

// The real fetch, over HTTP or HTTPS. It waits for the whole reply in a
// local event loop: the windows go on painting and timers and sockets keep
// running, while the user's input to the program is dropped (the program
// does not take input while it waits). Redirects are followed only when
// they are no less safe than the original request.
class QtHttpFetcher final : public HttpFetcher {
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

    explicit QtHttpFetcher(std::chrono::milliseconds timeout = RequestTimeout,
                           qint64 bodyCap = BodyCap);

    FetchResult get(const QUrl &url) override;

  private:
    QNetworkAccessManager m_manager;
    std::chrono::milliseconds m_timeout;
    qint64 m_bodyCap;
};
