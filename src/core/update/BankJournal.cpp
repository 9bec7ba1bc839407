#include "BankJournal.h"

#include "FileSync.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <functional>

namespace {

const QByteArray kHeader = QByteArrayLiteral("zelquiz bank update 1");

// The checksum of a plain file, or nothing when there is none to read (a
// pipe would block the read, a folder has no bytes).
std::optional<QByteArray> digestOf(const QString &path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!hash.addData(&file))
        return std::nullopt;
    return hash.result().toHex();
}

// What a file held before the replacement; nothing when there was no file.
Result<std::optional<QByteArray>> readOld(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return std::optional<QByteArray>();
    // A folder or a device where the file should be cannot be replaced by
    // a file (and a pipe would block the read for ever).
    if (!info.isFile())
        return failure(QStringLiteral("something that is not a file is in its place"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failure(file.errorString());
    return std::optional<QByteArray>(file.readAll());
}

Error failedWith(const QString &what, const Error &error)
{
    return Error(what + QStringLiteral(": ") + error.description());
}

} // namespace

BankJournal::BankJournal(QString folder, std::vector<QString> names)
    : m_folder(std::move(folder)), m_names(std::move(names))
{
}

QString BankJournal::path(const QString &name) const
{
    return m_folder + QLatin1Char('/') + name;
}

std::optional<std::vector<BankJournal::Entry>> BankJournal::readRecord() const
{
    QFile file(path(recordName()));
    if (!QFileInfo(file.fileName()).isFile() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    // A record names a few files; anything much longer is not one.
    const QList<QByteArray> lines = file.read(64 * 1024).split('\n');
    if (lines.isEmpty() || lines.front() != kHeader)
        return std::nullopt;
    std::vector<Entry> entries;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        if (lines[i].isEmpty())
            continue;
        const qsizetype space = lines[i].indexOf(' ');
        const QString name = QString::fromUtf8(lines[i].mid(space + 1));
        // A record never makes the journal touch a file outside its set.
        if (space != 64 || std::find(m_names.begin(), m_names.end(), name) == m_names.end())
            return std::nullopt;
        entries.push_back({name, lines[i].left(space)});
    }
    if (entries.empty())
        return std::nullopt;
    return entries;
}

BankJournal::Outcome BankJournal::analyse(std::vector<Entry> *entries) const
{
    const QFileInfo record(path(recordName()));
    if (!record.exists() && !record.isSymLink())
        return Outcome::Nothing;
    auto read = readRecord();
    if (!read)
        return Outcome::RolledBack;
    bool complete = true;
    for (Entry &e : *read) {
        // A new file is either still under its temporary name or already
        // renamed over the old one.
        e.readyUnderTemporaryName = digestOf(path(temporaryName(e.name))) == e.digest;
        e.intact = e.readyUnderTemporaryName || digestOf(path(e.name)) == e.digest;
        complete = complete && e.intact;
    }
    *entries = std::move(*read);
    return complete ? Outcome::Completed : Outcome::RolledBack;
}

BankJournal::Outcome BankJournal::pending() const
{
    std::vector<Entry> entries;
    return analyse(&entries);
}

Result<> BankJournal::removeTemporaries() const
{
    for (const QString &name : m_names) {
        if (Result<> removed = FileSync::removeFile(path(temporaryName(name))); !removed)
            return failure(failedWith(temporaryName(name), removed.error()));
    }
    return FileSync::removeFile(path(temporaryName(recordName())));
}

Result<BankJournal::Outcome> BankJournal::recover()
{
    std::vector<Entry> entries;
    const Outcome outcome = analyse(&entries);
    if (outcome == Outcome::Nothing) {
        // Left by a replacement that stopped before its record: the old
        // files were never touched. A temporary that cannot go is harmless;
        // the next replacement writes over it.
        (void)removeTemporaries();
        return outcome;
    }
    Result<> done;
    if (outcome == Outcome::Completed) {
        for (const Entry &e : entries) {
            if (!e.readyUnderTemporaryName)
                continue;
            if (Result<> renamed = FileSync::replaceFile(path(temporaryName(e.name)), path(e.name));
                !renamed) {
                done = failure(failedWith(e.name, renamed.error()));
                break;
            }
        }
        if (done)
            done = FileSync::syncFolder(m_folder);
    }
    // The record goes only once the new files are in place for good, or
    // once the temporaries of a rolled-back set are gone.
    if (done)
        done = removeTemporaries();
    if (done)
        done = FileSync::removeFile(path(recordName()));
    if (done)
        done = FileSync::syncFolder(m_folder);
    if (done)
        return outcome;
    if (outcome == Outcome::Completed)
        m_filesUnchanged = false;
    return failure(ErrorNumber::FileAccess,
                   QStringLiteral("%1: an interrupted update of the question bank could not be "
                                  "%2 (%3)")
                       .arg(path(recordName()),
                            outcome == Outcome::Completed ? QStringLiteral("completed")
                                                          : QStringLiteral("undone"),
                            done.error().description()));
}

Result<> BankJournal::discard()
{
    Result<> done = FileSync::removeFile(path(recordName()));
    if (done)
        done = removeTemporaries();
    if (done)
        done = FileSync::syncFolder(m_folder);
    return done;
}

Result<> BankJournal::replace(const std::vector<QByteArray> &contents)
{
    m_filesUnchanged = true;
    if (Result<Outcome> recovered = recover(); !recovered)
        return failure(recovered.error());

    // Everything that can fail before the record is written (a folder that
    // cannot be written, a full disk, a folder in a file's place) fails
    // with the old files untouched.
    const auto undo = [this](Error error) -> Result<> {
        (void)discard();
        return failure(std::move(error));
    };
    // The old contents, to put back should a rename be refused after the
    // record (a shared folder may let a file be written but not replaced).
    std::vector<std::optional<QByteArray>> old;
    for (const QString &name : m_names) {
        Result<std::optional<QByteArray>> read = readOld(path(name));
        if (!read)
            return undo(failedWith(name, read.error()));
        old.push_back(std::move(*read));
    }
    QByteArray record = kHeader + '\n';
    for (std::size_t i = 0; i < m_names.size(); ++i) {
        const QByteArray bytes = i < contents.size() ? contents[i] : QByteArray();
        if (Result<> written = FileSync::writeFile(path(temporaryName(m_names[i])), bytes);
            !written)
            return undo(failedWith(m_names[i], written.error()));
        record += QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex() + ' ' +
                  m_names[i].toUtf8() + '\n';
    }
    // The new files' names reach the disk before the record that names them.
    const QString recordTemporary = path(temporaryName(recordName()));
    const std::function<Result<>()> steps[] = {
        [&] { return FileSync::syncFolder(m_folder); },
        [&] { return FileSync::writeFile(recordTemporary, record); },
        [&] { return FileSync::replaceFile(recordTemporary, path(recordName())); },
        [&] { return FileSync::syncFolder(m_folder); }};
    for (const auto &step : steps) {
        if (Result<> done = step(); !done)
            return undo(failedWith(recordName(), done.error()));
    }

    for (std::size_t i = 0; i < m_names.size(); ++i) {
        const Result<> renamed =
            FileSync::replaceFile(path(temporaryName(m_names[i])), path(m_names[i]));
        if (renamed)
            continue;
        // Put back the files already replaced. Should the program stop
        // meanwhile, the record still stands and the next start completes
        // or undoes the set as a whole.
        QString why = failedWith(m_names[i], renamed.error()).description();
        for (std::size_t k = 0; k < i; ++k) {
            const QString temporary = path(temporaryName(m_names[k]));
            const bool back =
                old[k] ? FileSync::writeFile(temporary, *old[k]).has_value() &&
                             FileSync::replaceFile(temporary, path(m_names[k])).has_value()
                       : FileSync::removeFile(path(m_names[k])).has_value();
            if (!back) {
                m_filesUnchanged = false;
                why += QStringLiteral("; ") + m_names[k] + QStringLiteral(" could not be put back");
            }
        }
        (void)discard();
        return failure(why);
    }
    if (Result<> synced = FileSync::syncFolder(m_folder); !synced) {
        m_filesUnchanged = false;
        return failure(failedWith(recordName(), synced.error()));
    }
    // The new files are in place for good; a record that cannot go is
    // completed harmlessly at the next start.
    if (FileSync::removeFile(path(recordName())))
        (void)FileSync::syncFolder(m_folder);
    return {};
}
