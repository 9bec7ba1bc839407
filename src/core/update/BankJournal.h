#pragma once

#include "core/common/Error.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

// Replaces a set of files of one folder together, so that no crash or power
// cut can leave some of them new and the others old. The new files are
// written beside the old ones under temporary names and synced; a record
// naming them with their checksums is then written atomically; only then
// are they renamed over the old ones, and the record goes last. Whatever
// stops the program, recover() at the next start finishes the replacement
// when every new file is there and intact, and otherwise removes the new
// files and leaves the old ones.
class BankJournal {
  public:
    // What a left-behind record means.
    enum class Outcome { Nothing, Completed, RolledBack };

    // names: the files of the set, plain names in folder; they are the only
    // files the journal ever touches.
    BankJournal(QString folder, std::vector<QString> names);

    [[nodiscard]] static QString recordName() { return QStringLiteral("bank-update.journal"); }
    [[nodiscard]] static QString temporaryName(const QString &name)
    {
        return name + QStringLiteral(".new");
    }

    // Replaces the files by contents, one per name in order. A record left
    // by an earlier run is recovered first. A failure names the file and
    // gives the system's description.
    [[nodiscard]] Result<> replace(const std::vector<QByteArray> &contents);

    // After a failed replace() or recover(): false when a file may have
    // been replaced and could not be put back.
    [[nodiscard]] bool filesUnchanged() const { return m_filesUnchanged; }

    // What recover() would do, without touching anything.
    [[nodiscard]] Outcome pending() const;

    // Completes or rolls back a record left behind; without one, removes
    // the temporary files of a replacement that stopped before its record.
    // When that cannot finish, the record stays and the failure is a file
    // access error saying what could not be completed or undone.
    [[nodiscard]] Result<Outcome> recover();

  private:
    struct Entry {
        QString name;
        QByteArray digest;
        bool readyUnderTemporaryName = false;
        bool intact = false;
    };

    [[nodiscard]] QString path(const QString &name) const;
    [[nodiscard]] std::optional<std::vector<Entry>> readRecord() const;
    [[nodiscard]] Outcome analyse(std::vector<Entry> *entries) const;
    [[nodiscard]] Result<> removeTemporaries() const;
    [[nodiscard]] Result<> discard();

    QString m_folder;
    std::vector<QString> m_names;
    bool m_filesUnchanged = true;
};
