#pragma once

#include "core/common/Error.h"

#include <QByteArray>
#include <QString>

struct QuestionBank;

// A bank as a spreadsheet file: UTF-8 with a byte-order mark, every field
// quoted and formula-safe, a header row, then one row per askable question:
// subject, wording, right answer, five wrong answers. Importing the file
// gives back the same questions.
namespace BankExport {

[[nodiscard]] QByteArray csv(const QuestionBank &bank);

// Loads the bank of folder and writes its file to target atomically.
[[nodiscard]] Result<int> write(const QString &folder, const QString &target);

} // namespace BankExport
