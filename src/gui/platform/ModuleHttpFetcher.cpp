#include "ModuleHttpFetcher.h"

#include "Modules.h"

ModuleHttpFetcher::ModuleHttpFetcher(QString folder) : m_folder(std::move(folder)) {}

ModuleHttpFetcher::~ModuleHttpFetcher() = default;

FetchResult ModuleHttpFetcher::get(const QUrl &url, qint64 maxBytes)
{
    if (!m_fetcher && m_problem.isEmpty()) {
        const auto network = Modules::loadNetwork(m_folder);
        if (network.module)
            m_fetcher = network.module->createFetcher();
        else
            m_problem =
                QStringLiteral("the network module could not be loaded (%1)").arg(network.problem);
    }
    if (!m_fetcher)
        return FetchResult::failure(m_problem);
    return m_fetcher->get(url, maxBytes);
}
