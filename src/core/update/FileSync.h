#pragma once

#include "core/common/Error.h"

#include <QByteArray>
#include <QString>

// The few file-system steps that must reach the disk before the next one
// is taken. A failure carries the system's description of it.
namespace FileSync {

// Creates path anew (any file of that name is removed first, so a link
// there is never written through), writes bytes and syncs them to the disk.
[[nodiscard]] Result<> writeFile(const QString &path, const QByteArray &bytes);

// Renames from over to in one step: to is either the old or the new file,
// whenever the program stops.
[[nodiscard]] Result<> replaceFile(const QString &from, const QString &to);

// Removes path; a path that is already gone is no failure.
[[nodiscard]] Result<> removeFile(const QString &path);

// Makes the names created, renamed or removed in folder durable.
[[nodiscard]] Result<> syncFolder(const QString &folder);

} // namespace FileSync
