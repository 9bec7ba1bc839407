#pragma once

#include "UpdateView.h"
#include "core/common/Error.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

// The download of new bank files, without the window: it checks the three
// received files before anything is written, so that a broken transfer or
// a server error page can never replace a working question bank.
class DownloadPlan {
  public:
    // The files, in the order they are fetched and written: both bank files
    // before the data version, so that an interrupted write leaves the old
    // version in place and the next check offers the download again.
    [[nodiscard]] static const std::vector<QString> &fileNames();

    // Checks the three bodies, in the order of fileNames(): what each file
    // receives (the body and CR LF), or what is wrong with them.
    [[nodiscard]] static Result<std::vector<QByteArray>>
    check(const std::vector<QByteArray> &bodies);

    // Whether the received data version may replace the installed one: only
    // a newer one, compared as the check compares, and in the window only
    // the version the check offered. Anything else would let whoever serves
    // the files roll the bank back to an older (even a validly signed) one.
    [[nodiscard]] static Result<> checkVersion(const QString &received, const QString &installed,
                                               const std::optional<QString> &offered);

    // What a failed fetch of one file is, for the window's text.
    [[nodiscard]] static Error fetchFailure(const QString &name, const Error &fetchError);

    // The window as the download starts, after success and after a failure
    // (nothing on disk changed, so the download may be tried again).
    static void start(UpdateView &view);
    static void succeeded(UpdateView &view);
    // bankUnchanged is false only when a failed write could not be undone.
    static void failed(UpdateView &view, const QString &what, bool bankUnchanged = true);
};
