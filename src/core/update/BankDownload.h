#pragma once

#include "UpdateView.h"

#include <QString>

#include <optional>

class HttpFetcher;

// The download of new bank files as the update window's "Download Data
// Files" runs it: all three files fetched, checked, then written through the
// bank journal. Also run from the command line, without a window.
namespace BankDownload {

// baseUrl ends with "/"; view, as DownloadPlan::start left it, receives the
// texts the window shows; offered is the data version the window's check
// offered (none from the command line). True when the bank was replaced.
bool run(HttpFetcher &fetcher, const QString &baseUrl, const QString &appPath, UpdateView &view,
         const std::optional<QString> &offered = std::nullopt);

// How long a download waits for another copy of the program that is
// writing or recovering the same bank folder.
constexpr int LockWaitMs = 2000;

} // namespace BankDownload
