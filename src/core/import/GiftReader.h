#pragma once

#include "ImportedQuestions.h"
#include "core/common/Error.h"

#include <QString>

// The questions of a learning platform's plain-text question format:
// questions apart by blank lines, the answers between braces. Multiple
// choice with one fully right answer becomes a question, matching becomes
// term/definition pairs; titles, comments, feedback and format markers are
// dropped, "$CATEGORY:" lines set the topic. Other kinds, and a question
// whose braces or marks do not parse, are skipped with their line while
// the rest is read.
namespace GiftReader {

[[nodiscard]] Result<ImportedFile> read(const QString &text);

} // namespace GiftReader
