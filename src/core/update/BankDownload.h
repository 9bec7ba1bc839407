#pragma once

#include "UpdateView.h"

#include <QString>

class HttpFetcher;

// The download of new bank files as the update window's "Download Data
// Files" runs it: all three files fetched, checked, then written through the
// bank journal. Also run from the command line, without a window.
namespace BankDownload {

// baseUrl ends with "/"; view, as DownloadPlan::start left it, receives the
// texts the window shows. True when the bank was replaced.
bool run(HttpFetcher &fetcher, const QString &baseUrl, const QString &appPath, UpdateView &view);

} // namespace BankDownload
