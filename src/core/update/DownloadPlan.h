#pragma once

#include "UpdateView.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

struct FetchResult;

// The download of new bank files, without the window: it checks the three
// received files before anything is written, so that a broken transfer or
// a server error page can never replace a working question bank.
class DownloadPlan {
  public:
    struct File {
        QString name; // "A.zel", "AD.zel", "DV.ZEL"
        QString path;
        QByteArray bytes; // what the file receives: the body and CR LF
    };

    // The files, in the order they are fetched and written: both bank files
    // before the data version, so that an interrupted write leaves the old
    // version in place and the next check offers the download again.
    static const std::vector<QString> &fileNames();

    // Checks the three bodies, in the order of fileNames(). On success the
    // plan holds the files to write; otherwise failure() says what is wrong.
    static DownloadPlan check(const QString &appPath, const std::vector<QByteArray> &bodies);

    bool ok() const { return !m_failure.has_value(); }
    const QString &failure() const { return *m_failure; }
    const std::vector<File> &files() const { return m_files; }

    // What a failed fetch of one file is, for the window's text.
    static QString fetchFailure(const QString &name, const FetchResult &result);

    // The window as the download starts, after success and after a failure
    // (nothing on disk changed, so the download may be tried again).
    static void start(UpdateView &view);
    static void succeeded(UpdateView &view);
    // bankUnchanged is false only when a failed write could not be undone.
    static void failed(UpdateView &view, const QString &what, bool bankUnchanged = true);

  private:
    std::vector<File> m_files;
    std::optional<QString> m_failure;
};
