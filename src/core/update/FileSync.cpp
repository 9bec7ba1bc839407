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

QString lastError()
{
    return qt_error_string(errno);
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

QString writeFile(const QString &path, const QByteArray &bytes)
{
    if (QString failure = removeFile(path); !failure.isEmpty())
        return failure;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return file.errorString();
    if (file.write(bytes) != bytes.size() || !file.flush())
        return file.errorString();
    if (!syncDescriptor(file.handle()))
        return lastError();
    file.close();
    return file.error() == QFileDevice::NoError ? QString() : file.errorString();
}

QString replaceFile(const QString &from, const QString &to)
{
#ifdef Q_OS_WIN
    // Write-through makes the new name durable before the call returns.
    if (!MoveFileExW(reinterpret_cast<const wchar_t *>(from.utf16()),
                     reinterpret_cast<const wchar_t *>(to.utf16()),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return qt_error_string(int(GetLastError()));
    return QString();
#else
    // QFile::rename refuses to replace an existing file; rename(2) replaces
    // it atomically.
    if (::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) != 0)
        return lastError();
    return QString();
#endif
}

QString removeFile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return QString();
    QFile file(path);
    return file.remove() ? QString() : file.errorString();
}

QString syncFolder(const QString &folder)
{
#ifdef Q_OS_WIN
    // Windows has no folder handle to sync: the write-through rename above
    // already made each name change durable.
    (void)folder;
    return QString();
#else
    const int fd =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return lastError();
    // Some file systems cannot sync a folder and say so with EINVAL; their
    // name changes are as durable as they get.
    const bool synced = ::fsync(fd) == 0 || errno == EINVAL;
    const QString failure = synced ? QString() : lastError();
    ::close(fd);
    return failure;
#endif
}

} // namespace FileSync
