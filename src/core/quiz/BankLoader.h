#pragma once

#include "QuestionBank.h"

#include <QString>
#include <QStringList>

// Reads "A.zel" and "AD.zel" into a QuestionBank. Every failure is thrown
// as a RunTimeError whose number the error reporter turns into its message;
// nothing of a partial load is returned.
namespace BankLoader {

QuestionBank LoadBank(const QString &AFile, const QString &ADFile, const Wordings &wordings);

// The same from lines already read (the download checks a bank it has
// received before it writes anything).
QuestionBank buildBank(const QStringList &aLines, const QStringList &adLines,
                       const Wordings &wordings);

// The lines of one bank file; throws 53 when it is missing, 9 past 600 lines.
QStringList readLines(const QString &path);

// One field of an "AD.zel" line: 'A' the category, 'B' the right answer's
// text number, 'C'..'G' the wrong ones; any other letter gives "".
// A skip line gives "9" for 'A' and "0" for the others.
QString GetField(QChar letter, const QString &line);

} // namespace BankLoader
