#include "FileSync.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>

#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace FileSync {
namespace {

Failure lastError()
{
    return failure(qt_error_string(errno));
}

bool syncDescriptor(int fd)
{
#ifdef Q_OS_WIN
    return _commit(fd) == 0;
#else
    return ::fsync(fd) == 0;
#endif
}

} // namespace

Result<> writeFile(const QString &path, const QByteArray &bytes)
{
    if (Result<> removed = removeFile(path); !removed)
        return removed;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return failure(file.errorString());
    if (file.write(bytes) != bytes.size() || !file.flush())
        return failure(file.errorString());
    if (!syncDescriptor(file.handle()))
        return lastError();
    file.close();
    if (file.error() != QFileDevice::NoError)
        return failure(file.errorString());
    return {};
}

Result<> replaceFile(const QString &from, const QString &to)
{
#ifdef Q_OS_WIN
    // Write-through makes the new name durable before the call returns.
    if (!MoveFileExW(reinterpret_cast<const wchar_t *>(from.utf16()),
                     reinterpret_cast<const wchar_t *>(to.utf16()),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return failure(qt_error_string(int(GetLastError())));
    return {};
#else
    // QFile::rename refuses to replace an existing file; rename(2) replaces
    // it atomically.
    if (::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) != 0)
        return lastError();
    return {};
#endif
}

Result<> removeFile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return {};
    QFile file(path);
    if (!file.remove())
        return failure(file.errorString());
    return {};
}

Result<> syncFolder(const QString &folder)
{
#ifdef Q_OS_WIN
    // Windows has no folder handle to sync: the write-through rename above
    // already made each name change durable.
    (void)folder;
    return {};
#else
    const int fd =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return lastError();
    // Some file systems cannot sync a folder and say so with EINVAL; their
    // name changes are as durable as they get.
    const bool synced = ::fsync(fd) == 0 || errno == EINVAL;
    Result<> result = synced ? Result<>() : Result<>(lastError());
    ::close(fd);
    return result;
#endif
}

} // namespace FileSync
