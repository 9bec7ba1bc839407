#pragma once

#include "BankLoader.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

class Error;

// Checks a question bank for its authors: reads "A.zel" and "AD.zel" the
// way the start-up does, but goes on past the first failure, so that one
// run lists everything to fix. Errors are what would stop the program from
// starting, worded as the start-up reports them; warnings are what loads
// but is most likely a mistake in the files.
class BankCheck {
  public:
    struct Finding {
        enum class Kind { Error, Warning };
        Kind kind = Kind::Error;
        QString file; // "A.zel" or "AD.zel"
        int line = 0; // 0: the file as a whole
        QString message;
        // A warning about answers the program would show empty.
        bool blanksAnswers = false;

        // "FILE:LINE: message", or "FILE: message" for a whole file;
        // warnings carry "warning: " in front of the message.
        [[nodiscard]] QString text(const QString &folder = QString()) const;
    };

    // The two files of a program folder.
    [[nodiscard]] static BankCheck ofFolder(const QString &folder);

    // The contents of the two files; nullopt stands for a missing file.
    [[nodiscard]] static BankCheck ofContents(const std::optional<QByteArray> &aFile,
                                              const std::optional<QByteArray> &adFile);

    [[nodiscard]] const std::vector<Finding> &findings() const { return m_findings; }
    [[nodiscard]] int entries() const { return m_entries; }
    [[nodiscard]] int askable() const { return m_askable; }
    [[nodiscard]] int errors() const;
    [[nodiscard]] int warnings() const;

    // Whether the program starts on this bank.
    [[nodiscard]] bool wouldStart() const { return errors() == 0; }

    // One line: entries, askable entries, errors and warnings.
    [[nodiscard]] QString summary() const;

    // Every finding on a line of its own, then the summary.
    [[nodiscard]] QString report(const QString &folder = QString()) const;

    static QString textsFile() { return QStringLiteral("A.zel"); }
    static QString entriesFile() { return QStringLiteral("AD.zel"); }

  private:
    using FileRead = BankLoader::FileRead;

    enum class EntryStatus { Broken, Skip, Asked };

    static FileRead readFile(const QString &path);
    static FileRead fromContents(const std::optional<QByteArray> &bytes);
    static BankCheck check(const FileRead &a, const FileRead &ad);

    void checkFile(const QString &name, const FileRead &file);
    void checkLineCounts(int aCount, int adCount);
    EntryStatus checkEntry(int j, const QString &line, const QStringList &texts, bool textsKnown);
    void addError(const QString &file, int line, const Error &error);
    void addWarning(const QString &file, int line, const QString &message,
                    bool blanksAnswers = false);

    std::vector<Finding> m_findings;
    int m_entries = 0;
    int m_askable = 0;
};
