#include "BankDownload.h"

#include "BankJournal.h"
#include "BankSignatures.h"
#include "DownloadPlan.h"
#include "HttpFetcher.h"
#include "VersionCheck.h"
#include "core/common/Error.h"

#include <QFileInfo>
#include <QUrl>

#include <new>

namespace BankDownload {

namespace {

// Everything is received and checked before the first byte is written, so
// a failure anywhere leaves the installed bank alone.
Result<> download(HttpFetcher &fetcher, const QString &baseUrl, const QString &appPath,
                  bool *unchanged)
{
    // A key beside the program means the bank must come signed; a key file
    // that cannot be used stops the download rather than letting unsigned
    // files through.
    const Result<BankSignatures::Key> key = BankSignatures::readKey(appPath);
    if (!key)
        return failure(key.error());
    const QString zelUrl = baseUrl + QStringLiteral("zel/");
    std::vector<QByteArray> bodies;
    for (const QString &name : DownloadPlan::fileNames()) {
        // The data version is a few characters, like the one the check read.
        const bool version = name == DownloadPlan::fileNames().back();
        Result<QByteArray> r = fetcher.get(
            QUrl(zelUrl + name), version ? VersionCheck::MaxVersionBytes : HttpFetcher::BodyCap);
        if (!r)
            return failure(DownloadPlan::fetchFailure(name, r.error()));
        bodies.push_back(std::move(*r));
    }
    // The signatures first: nothing unsigned is even read as a bank.
    if (*key) {
        if (Result<> signedBy = BankSignatures::fetchAndCheck(fetcher, zelUrl, **key, bodies);
            !signedBy)
            return signedBy;
    }
    const Result<std::vector<DownloadPlan::File>> files = DownloadPlan::check(appPath, bodies);
    if (!files)
        return failure(files.error());

    // The files of a download all live in the program's folder, and are
    // written all or nothing through the journal.
    std::vector<QString> names;
    std::vector<QByteArray> contents;
    for (const DownloadPlan::File &f : *files) {
        names.push_back(f.name);
        contents.push_back(f.bytes);
    }
    BankJournal journal(QFileInfo(files->front().path).absolutePath(), std::move(names));
    Result<> written = journal.replace(contents);
    *unchanged = written || journal.filesUnchanged();
    return written;
}

} // namespace

bool run(HttpFetcher &fetcher, const QString &baseUrl, const QString &appPath, UpdateView &view)
{
    QString failure;
    bool unchanged = true;
    try {
        if (const Result<> done = download(fetcher, baseUrl, appPath, &unchanged); !done)
            failure = done.error().description();
    } catch (const Error &e) {
        failure = e.description();
    } catch (const std::bad_alloc &) {
        failure = Error::describe(ErrorNumber::OutOfMemory);
    }
    if (!failure.isEmpty()) {
        DownloadPlan::failed(view, failure, unchanged);
        return false;
    }
    DownloadPlan::succeeded(view);
    return true;
}

} // namespace BankDownload
