#include "ModuleHttpFetcher.h"

#include "Modules.h"

ModuleHttpFetcher::ModuleHttpFetcher(QString folder) : m_folder(std::move(folder)) {}

ModuleHttpFetcher::~ModuleHttpFetcher() = default;

Result<QByteArray> ModuleHttpFetcher::get(const QUrl &url, qint64 maxBytes)
{
    if (!m_fetcher && m_problem.isEmpty()) {
        const Result<NetworkModule *> network = Modules::loadNetwork(m_folder);
        if (network)
            m_fetcher = (*network)->createFetcher();
        else
            m_problem = QStringLiteral("the network module could not be loaded (%1)")
                            .arg(network.error().description());
    }
    if (!m_fetcher)
        return failure(m_problem);
    return m_fetcher->get(url, maxBytes);
}
