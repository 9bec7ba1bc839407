#pragma once

#include <QByteArray>
#include <QString>

// The few file-system steps that must reach the disk before the next one
// is taken. Each returns the system's description of a failure, or empty
// text on success.
namespace FileSync {

// Creates path anew (any file of that name is removed first, so a link
// there is never written through), writes bytes and syncs them to the disk.
QString writeFile(const QString &path, const QByteArray &bytes);

// Renames from over to in one step: to is either the old or the new file,
// whenever the program stops.
QString replaceFile(const QString &from, const QString &to);

// Removes path; a path that is already gone is no failure.
QString removeFile(const QString &path);

// Makes the names created, renamed or removed in folder durable.
QString syncFolder(const QString &folder);

} // namespace FileSync
