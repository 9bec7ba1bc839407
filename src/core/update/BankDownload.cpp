#include "BankDownload.h"

#include "DownloadPlan.h"
#include "DownloadWriter.h"
#include "HttpFetcher.h"
#include "core/common/RunTimeError.h"

#include <QUrl>

#include <new>

namespace BankDownload {

bool run(HttpFetcher &fetcher, const QString &baseUrl, const QString &appPath, UpdateView &view)
{
    DownloadPlan::start(view);
    try {
        std::vector<QByteArray> bodies;
        for (const QString &name : DownloadPlan::fileNames()) {
            FetchResult r = fetcher.get(QUrl(baseUrl + QStringLiteral("zel/") + name));
            if (!r.ok) {
                DownloadPlan::failed(view, DownloadPlan::fetchFailure(name, r));
                return false;
            }
            bodies.push_back(std::move(r.body));
        }
        const DownloadPlan plan = DownloadPlan::check(appPath, bodies);
        if (!plan.ok()) {
            DownloadPlan::failed(view, plan.failure());
            return false;
        }
        const DownloadWriter::Result written = DownloadWriter::write(plan.files());
        if (!written.ok()) {
            DownloadPlan::failed(view, written.failure, written.unchanged);
            return false;
        }
    } catch (const RunTimeError &e) {
        DownloadPlan::failed(view, e.description());
        return false;
    } catch (const std::bad_alloc &) {
        DownloadPlan::failed(view, RunTimeError::describe(RunTimeError::OutOfMemory));
        return false;
    }
    DownloadPlan::succeeded(view);
    return true;
}

} // namespace BankDownload
