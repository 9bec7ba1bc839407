#include "FileMove.h"

#include <QFile>

#include <cerrno>

#if defined(Q_OS_WIN)
#include <windows.h>
#elif defined(Q_OS_LINUX)
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>
#else
#include <unistd.h>
#endif

namespace FileMove {

Outcome withoutReplacing(const QString &from, const QString &to)
{
#if defined(Q_OS_WIN)
    // Without MOVEFILE_REPLACE_EXISTING an existing target is an error, and
    // without MOVEFILE_COPY_ALLOWED nothing is copied.
    if (MoveFileExW(reinterpret_cast<const wchar_t *>(from.utf16()),
                    reinterpret_cast<const wchar_t *>(to.utf16()), MOVEFILE_WRITE_THROUGH))
        return Outcome::Moved;
    const DWORD error = GetLastError();
    return error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS ? Outcome::NameTaken
                                                                       : Outcome::Failed;
#else
    const QByteArray source = QFile::encodeName(from);
    const QByteArray target = QFile::encodeName(to);
#if defined(Q_OS_LINUX)
    if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) ==
        0)
        return Outcome::Moved;
    if (errno == EEXIST)
        return Outcome::NameTaken;
    // A file system without the flag: a hard link fails on a taken name just
    // the same, and the old name goes only once the new one is there.
    if (errno != EINVAL && errno != ENOSYS)
        return Outcome::Failed;
#endif
    if (::link(source.constData(), target.constData()) != 0)
        return errno == EEXIST ? Outcome::NameTaken : Outcome::Failed;
    return ::unlink(source.constData()) == 0 ? Outcome::Moved : Outcome::Failed;
#endif
}

} // namespace FileMove
