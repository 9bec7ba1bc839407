#pragma once

#include "ImportedQuestions.h"
#include "core/common/Error.h"

#include <QString>
#include <QStringList>

#include <vector>

// One bank made from imported questions: the lines of its "A.zel" and
// "AD.zel", ready to be written, and what the preview shows of it.
struct BuiltBank {
    QString name;        // the folder name it gets ("Botany", "Part 2")
    QStringList aLines;  // the texts, at most QuestionBank::MaxLines
    QStringList adLines; // the entries, one per question
    int questionCount = 0;
};

// A file of someone's own questions, read and made into one or more banks,
// not yet written. The window shows its preview and writes it only when the
// user agrees; the command line writes it at once.
class BankImport {
  public:
    // Reads and builds; a file that cannot give a bank (too large, binary,
    // no usable question, a document type declaration, unbalanced quotes)
    // is a failure whose description is the message to show.
    [[nodiscard]] static Result<BankImport> prepare(const QString &file);

    [[nodiscard]] const ImportedFile &found() const { return m_found; }
    [[nodiscard]] const std::vector<BuiltBank> &banks() const { return m_banks; }

    // The preview's summary, also what --import prints: questions found,
    // skipped with reason and line, lines used of 600, the banks it makes.
    [[nodiscard]] QString summary() const;

    // Every question skipped, by the reader or because no bank could take
    // it, in the order of the file.
    [[nodiscard]] const std::vector<SkippedItem> &skipped() const { return m_skipped; }
    // The questions the banks ask.
    [[nodiscard]] int questionCount() const;

    // The folders write() would create for a target folder: the target
    // itself for one bank, siblings named after it for several.
    [[nodiscard]] QStringList folders(const QString &target) const;

    // Whether a folder already holds a bank (the window asks before it is
    // replaced; the command line refuses).
    // A bank file's bytes: UTF-8, every line ended by CR LF.
    [[nodiscard]] static QByteArray fileBytes(const QStringList &lines);

    [[nodiscard]] static bool holdsBank(const QString &folder);

    // Writes every bank crash-atomically; on a failure nothing is left
    // behind that was not there before. Returns the folders written.
    [[nodiscard]] Result<QStringList> write(const QString &target) const;

  private:
    [[nodiscard]] QString skippedText() const;

    ImportedFile m_found;
    std::vector<BuiltBank> m_banks;
    std::vector<SkippedItem> m_skipped;
};
