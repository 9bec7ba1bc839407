#pragma once

#include "Minisign.h"
#include "core/common/Error.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

class HttpFetcher;

// A bank signed by its author. With the author's public key beside the
// program, the three files of a download count only when each has a good
// signature by that key whose trusted comment is the data version that
// the new "DV.ZEL" holds: files of different versions, or an old signed
// bank served under a newer version number, are refused. The files are
// checked as the server holds them, before the download adds its line end.
class BankSignatures {
  public:
    [[nodiscard]] static QString keyFileName() { return QStringLiteral("update.pub"); }
    [[nodiscard]] static QString signatureName(const QString &file)
    {
        return file + QStringLiteral(".minisig");
    }

    // The key file of a folder: nothing without one, and then nothing is
    // verified. One that is there but cannot be read or is no key is a
    // failure ("update.pub: why"), never a reason to skip the verification.
    using Key = std::optional<Minisign::PublicKey>;
    [[nodiscard]] static Result<Key> readKey(const QString &folder);

    // The three files in the order of DownloadPlan::fileNames() and their
    // signature files (none: missing). A failure says which signature fails
    // and why.
    [[nodiscard]] static Result<> check(const Minisign::PublicKey &key,
                                        const std::vector<QByteArray> &files,
                                        const std::vector<std::optional<QByteArray>> &signatures);

    // Fetches the three signatures from the folder address `zelUrl` (ending
    // in "/") and checks the received files against them.
    [[nodiscard]] static Result<> fetchAndCheck(HttpFetcher &fetcher, const QString &zelUrl,
                                                const Minisign::PublicKey &key,
                                                const std::vector<QByteArray> &files);

    // For a bank author's folder: whether the signatures beside the files
    // verify, with the folder's key or else the program's. Nothing when the
    // folder has neither signatures nor a key.
    struct Report {
        bool ok = true;
        QString line;
    };
    [[nodiscard]] static std::optional<Report> ofFolder(const QString &folder,
                                                        const QString &programFolder);
};
