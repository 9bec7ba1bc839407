#include "BankDownload.h"

#include "BankFolderLock.h"
#include "BankJournal.h"
#include "BankSignatures.h"
#include "DownloadPlan.h"
#include "HttpFetcher.h"
#include "VersionCheck.h"
#include "core/common/Error.h"
#include "core/common/TextFile.h"

#include <QUrl>

#include <new>

namespace BankDownload {

namespace {

// Everything is received and checked before the first byte is written, so
// a failure anywhere leaves the installed bank alone.
Result<> download(HttpFetcher &fetcher, const QString &baseUrl, const QString &appPath,
                  const std::optional<QString> &offered, bool *unchanged)
{
    // From the first request to the last rename the folder is this
    // process's: another copy's start-up neither completes nor cleans up
    // what this one is writing. Without a lock (a folder that cannot be
    // written) the download goes on and fails as it always has.
    const BankFolderLock lock(appPath, LockWaitMs);
    if (lock.state() == BankFolderLock::State::HeldElsewhere)
        return failure(QStringLiteral("another copy of ZEL Quiz is changing the question bank "
                                      "in this folder; please try again later."));
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
    const Result<std::vector<QByteArray>> contents = DownloadPlan::check(bodies);
    if (!contents)
        return failure(contents.error());
    const QString received = TextFile::firstLine(TextFile::decode(contents->back())).trimmed();
    if (Result<> newer = DownloadPlan::checkVersion(
            received, VersionCheck::installedDataVersion(appPath), offered);
        !newer)
        return newer;

    // Written all or nothing through the journal.
    BankJournal journal(appPath, DownloadPlan::fileNames());
    Result<> written = journal.replace(*contents);
    *unchanged = written || journal.filesUnchanged();
    return written;
}

} // namespace

bool run(HttpFetcher &fetcher, const QString &baseUrl, const QString &appPath, UpdateView &view,
         const std::optional<QString> &offered)
{
    QString failure;
    bool unchanged = true;
    try {
        if (const Result<> done = download(fetcher, baseUrl, appPath, offered, &unchanged); !done)
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
