#include "BankDownload.h"

#include "BankSignatures.h"
#include "DownloadPlan.h"
#include "DownloadWriter.h"
#include "HttpFetcher.h"
#include "VersionCheck.h"
#include "core/common/RunTimeError.h"

#include <QUrl>

#include <new>

namespace BankDownload {

namespace {

// Everything is received and checked before the first byte is written, so
// a failure anywhere leaves the installed bank alone. Empty text on success.
QString download(HttpFetcher &fetcher, const QString &baseUrl, const QString &appPath,
                 bool *unchanged)
{
    // A key beside the program means the bank must come signed; a key file
    // that cannot be used stops the download rather than letting unsigned
    // files through.
    const BankSignatures::Key key = BankSignatures::readKey(appPath);
    if (!key.failure.isEmpty())
        return key.failure;
    const QString zelUrl = baseUrl + QStringLiteral("zel/");
    std::vector<QByteArray> bodies;
    for (const QString &name : DownloadPlan::fileNames()) {
        // The data version is a few characters, like the one the check read.
        const bool version = name == DownloadPlan::fileNames().back();
        FetchResult r = fetcher.get(QUrl(zelUrl + name),
                                    version ? VersionCheck::MaxVersionBytes : HttpFetcher::BodyCap);
        if (!r.ok)
            return DownloadPlan::fetchFailure(name, r);
        bodies.push_back(std::move(r.body));
    }
    // The signatures first: nothing unsigned is even read as a bank.
    if (key.key) {
        if (QString refused = BankSignatures::fetchAndCheck(fetcher, zelUrl, *key.key, bodies);
            !refused.isEmpty())
            return refused;
    }
    const DownloadPlan plan = DownloadPlan::check(appPath, bodies);
    if (!plan.ok())
        return plan.failure();
    const DownloadWriter::Result written = DownloadWriter::write(plan.files());
    *unchanged = written.unchanged;
    return written.failure;
}

} // namespace

bool run(HttpFetcher &fetcher, const QString &baseUrl, const QString &appPath, UpdateView &view)
{
    QString failure;
    bool unchanged = true;
    try {
        failure = download(fetcher, baseUrl, appPath, &unchanged);
    } catch (const RunTimeError &e) {
        failure = e.description();
    } catch (const std::bad_alloc &) {
        failure = RunTimeError::describe(RunTimeError::OutOfMemory);
    }
    if (!failure.isEmpty()) {
        DownloadPlan::failed(view, failure, unchanged);
        return false;
    }
    DownloadPlan::succeeded(view);
    return true;
}

} // namespace BankDownload
