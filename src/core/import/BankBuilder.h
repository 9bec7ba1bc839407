#pragma once

#include "BankImport.h"
#include "ImportedQuestions.h"

#include <QString>

#include <vector>

// Makes banks of imported questions. A bank holds one line per text, at
// most QuestionBank::MaxLines, with the subject of question j at line j;
// questions that need more lines go into several banks: whole topics
// together while they fit (a topic too large for one bank in parts),
// otherwise parts of about equal size.
//
// A question with fewer than five wrong answers (a term and its
// definition) gets them from the right answers of its bank's other
// questions: first those of its wording and topic, then of its wording,
// then any. Never its own right answer, nor another right answer to the
// same subject and wording, nor one twice. The choice depends on the
// questions alone, so the same file always gives the same bank.
//
// A bank's texts cannot hold line breaks: control characters become
// blanks. "|" is only a separator of the entries' file and stays.
namespace BankBuilder {

struct Built {
    std::vector<BuiltBank> banks;
    std::vector<SkippedItem> skipped; // questions the banks could not take
};

[[nodiscard]] Built build(const std::vector<ImportedQuestion> &questions);

// A text as a bank line can hold it.
[[nodiscard]] QString bankText(const QString &text);

} // namespace BankBuilder
