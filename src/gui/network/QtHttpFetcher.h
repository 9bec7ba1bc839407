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
    explicit QtHttpFetcher(std::chrono::milliseconds timeout = RequestTimeout,
                           qint64 bodyCap = BodyCap);

    using HttpFetcher::get;
    // The smaller of maxBytes and the cap given at construction holds.
    [[nodiscard]] Result<QByteArray> get(const QUrl &url, qint64 maxBytes) override;

  private:
    QNetworkAccessManager m_manager;
    std::chrono::milliseconds m_timeout;
    qint64 m_bodyCap;
};
