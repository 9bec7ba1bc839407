#pragma once

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
    struct Result {
        QString failure;       // empty on success
        bool unchanged = true; // false once a file may have been replaced
        bool ok() const { return failure.isEmpty(); }
    };

    // What a left-behind record means.
    enum class Outcome { Nothing, Completed, RolledBack };
    struct Recovery {
        Outcome outcome = Outcome::Nothing;
        QString failure; // why the recovery could not finish; the record stays
        bool ok() const { return failure.isEmpty(); }
    };

    // names: the files of the set, plain names in folder; they are the only
    // files the journal ever touches.
    BankJournal(QString folder, std::vector<QString> names);

    static QString recordName() { return QStringLiteral("bank-update.journal"); }
    static QString temporaryName(const QString &name) { return name + QStringLiteral(".new"); }

    // Replaces the files by contents, one per name in order. A record left
    // by an earlier run is recovered first.
    Result replace(const std::vector<QByteArray> &contents);

    // What recover() would do, without touching anything.
    Outcome pending() const;

    // Completes or rolls back a record left behind; without one, removes
    // the temporary files of a replacement that stopped before its record.
    Recovery recover();

  private:
    struct Entry {
        QString name;
        QByteArray digest;
        bool readyUnderTemporaryName = false;
        bool intact = false;
    };

    QString path(const QString &name) const;
    std::optional<std::vector<Entry>> readRecord() const;
    Outcome analyse(std::vector<Entry> *entries) const;
    QString removeTemporaries() const;
    QString discard();

    QString m_folder;
    std::vector<QString> m_names;
};
