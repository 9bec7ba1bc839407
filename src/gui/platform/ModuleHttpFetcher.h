#pragma once

#include "core/update/HttpFetcher.h"

#include <QString>

#include <memory>

// Fetches through the network module, loaded at the first fetch. Without
// the module a fetch fails with the reason, as any other failed fetch.
class ModuleHttpFetcher final : public HttpFetcher {
  public:
    explicit ModuleHttpFetcher(QString folder);
    ~ModuleHttpFetcher() override;

    using HttpFetcher::get;
    [[nodiscard]] Result<QByteArray> get(const QUrl &url, qint64 maxBytes) override;

  private:
    QString m_folder;
    std::unique_ptr<HttpFetcher> m_fetcher;
    QString m_problem;
};
