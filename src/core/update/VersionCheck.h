#pragma once

#include "UpdateView.h"

#include <QString>

// The version check of the update window, without the window: which of the
// outcomes the fetched texts give, and what the window then shows.
namespace VersionCheck {

// The longest version text taken, from the server or from the local
// data-version file: a version is a few characters, and a longer text is
// no version, however it begins.
constexpr qint64 MaxVersionBytes = 256;

enum class Outcome { Current, ProgramUpgrade, DataUpgrade, Unreachable, Failed };

// The installed and the fetched version texts, as read and as received.
struct Versions {
    QString program;
    QString data;
    QString newProgram;
    QString newData;
};

// The first line of the program folder's data-version file, or empty text
// when the file is missing, empty, not a plain file or cannot be read (it
// then counts as 0); a first line longer than a version can be is none.
[[nodiscard]] QString installedDataVersion(const QString &appPath);

// Empty fetched text means the server gave nothing. May throw the overflow
// of leadingNumber, which the check reports like any other failure.
[[nodiscard]] Outcome decide(const Versions &v);

// The window as a check starts: "Done" alone, the status "Retrieving data...".
void start(UpdateView &view);

// The window after the check; pageAddress is where a new program is
// downloaded by hand, failure the description of what went wrong.
void finish(UpdateView &view, Outcome outcome, const Versions &v, const QString &pageAddress,
            const QString &failure = QString());

[[nodiscard]] QString outcomeText(Outcome outcome, const Versions &v, const QString &pageAddress,
                                  const QString &failure);

} // namespace VersionCheck
