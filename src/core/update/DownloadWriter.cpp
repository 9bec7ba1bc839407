#include "DownloadWriter.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <memory>
#include <optional>

namespace {

// What a file held before the download; nullopt when there was no file.
std::optional<QByteArray> readOld(const QString &path, QString *error)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return std::nullopt;
    // A folder or a device where the file should be cannot be replaced by
    // a file (and a pipe would block the read for ever).
    if (!info.isFile()) {
        *error = QStringLiteral("something that is not a file is in its place");
        return QByteArray();
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return QByteArray();
    }
    return file.readAll();
}

bool restore(const QString &path, const std::optional<QByteArray> &old)
{
    if (!old)
        return QFile::remove(path);
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(*old) == old->size() && file.commit();
}

} // namespace

DownloadWriter::Result DownloadWriter::write(const std::vector<DownloadPlan::File> &files)
{
    // Keep the old contents, so that a replacement that fails half way can
    // be undone. A file that cannot be read could not be put back: stop.
    std::vector<std::optional<QByteArray>> old;
    for (const auto &f : files) {
        QString error;
        old.push_back(readOld(f.path, &error));
        if (!error.isEmpty())
            return {f.name + QStringLiteral(": ") + error, true};
    }

    // Everything that can fail before a file is replaced (a folder that
    // cannot be written, a full disk) fails here, with nothing replaced.
    std::vector<std::unique_ptr<QSaveFile>> out;
    for (const auto &f : files) {
        auto file = std::make_unique<QSaveFile>(f.path);
        if (!file->open(QIODevice::WriteOnly) || file->write(f.bytes) != f.bytes.size() ||
            !file->flush())
            return {f.name + QStringLiteral(": ") + file->errorString(), true};
        out.push_back(std::move(file));
    }

    for (std::size_t i = 0; i < out.size(); ++i) {
        if (out[i]->commit())
            continue;
        QString failure = files[i].name + QStringLiteral(": ") + out[i]->errorString();
        bool unchanged = true;
        for (std::size_t k = 0; k < i; ++k) {
            if (!restore(files[k].path, old[k])) {
                unchanged = false;
                failure +=
                    QStringLiteral("; ") + files[k].name + QStringLiteral(" could not be put back");
            }
        }
        // The files not reached yet are dropped with their temporary copies
        // when their QSaveFile goes.
        return {failure, unchanged};
    }
    return {};
}
