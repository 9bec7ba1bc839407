#pragma once

#include "Minisign.h"

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
    static QString keyFileName() { return QStringLiteral("update.pub"); }
    static QString signatureName(const QString &file) { return file + QStringLiteral(".minisig"); }

    // The key file of a folder. Without one nothing is verified; one that
    // is there but cannot be read or is no key is a failure, never a
    // reason to skip the verification.
    struct Key {
        bool present = false;
        std::optional<Minisign::PublicKey> key;
        QString failure; // "update.pub: why", when present without a key
    };
    static Key readKey(const QString &folder);

    // The three files in the order of DownloadPlan::fileNames() and their
    // signature files (none: missing). Empty text when all three are good,
    // otherwise which signature fails and why.
    static QString check(const Minisign::PublicKey &key, const std::vector<QByteArray> &files,
                         const std::vector<std::optional<QByteArray>> &signatures);

    // Fetches the three signatures from the folder address `zelUrl` (ending
    // in "/") and checks the received files against them.
    static QString fetchAndCheck(HttpFetcher &fetcher, const QString &zelUrl,
                                 const Minisign::PublicKey &key,
                                 const std::vector<QByteArray> &files);

    // For a bank author's folder: whether the signatures beside the files
    // verify, with the folder's key or else the program's. Nothing when the
    // folder has neither signatures nor a key.
    struct Report {
        bool ok = true;
        QString line;
    };
    static std::optional<Report> ofFolder(const QString &folder, const QString &programFolder);
};
