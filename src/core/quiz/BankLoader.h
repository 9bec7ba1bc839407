#pragma once

#include "QuestionBank.h"
#include "core/common/Error.h"

#include <QString>
#include <QStringList>

// Reads "A.zel" and "AD.zel" into a QuestionBank. A failure of the load is
// thrown as an Error whose number the error reporter turns into its message:
// whoever started the load catches it, and nothing of a partial load is
// returned. The line and file readers return theirs.
namespace BankLoader {

[[nodiscard]] QuestionBank load(const QString &AFile, const QString &ADFile,
                                const Wordings &wordings);

// The same from lines already read (the download checks a bank it has
// received before it writes anything). A text longer than
// QuestionBank::MaxTextLength is an overflow.
[[nodiscard]] QuestionBank buildBank(const QStringList &aLines, const QStringList &adLines,
                                     const Wordings &wordings);
[[nodiscard]] QuestionBank buildBank(QStringList &&aLines, const QStringList &adLines,
                                     const Wordings &wordings);

// One line of "AD.zel", judged exactly as the start-up judges it (the bank
// checker asks the same question line by line): the entry read, or the
// failure with its number. Its answers are text numbers from 0 to
// QuestionBank::MaxLines. Nothing is thrown: the checker meets one broken
// line after another.
[[nodiscard]] Result<BankEntry> readEntry(const QString &line, const Wordings &wordings);

// One bank file as read: its lines, and the failure that ended the reading
// early or kept the file from being read at all.
struct FileRead {
    QStringList lines;                     // the lines before the failure
    ErrorNumber error = ErrorNumber::None; // None: the whole file was read
    int errorLine = 0;                     // the line at fault; 0: the file as a whole
};

// Reads no further than a bank can reach: a 601st line is error 9 and
// reading stops where it begins; past QuestionBank::MaxFileBytes it is
// error 6 at the line being read. A missing file is 53, anything that is
// not a plain file (a folder, a pipe, a device) 75, without opening it.
[[nodiscard]] FileRead readFile(const QString &path);

// The same limits over a file's bytes already in memory.
[[nodiscard]] FileRead linesOf(const QByteArray &bytes);

// The lines of one bank file, or the failure of readFile.
[[nodiscard]] Result<QStringList> readLines(const QString &path);

// One field of an "AD.zel" line: 'A' the category, 'B' the right answer's
// text number, 'C'..'G' the wrong ones; any other letter gives "".
// A skip line gives "9" for 'A' and "0" for the others. A line whose
// fields do not end within the position counter is an overflow.
[[nodiscard]] Result<QString> field(QChar letter, const QString &line);

} // namespace BankLoader
