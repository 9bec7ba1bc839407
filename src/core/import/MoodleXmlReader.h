#pragma once

#include "ImportedQuestions.h"
#include "core/common/Error.h"

#include <QByteArray>

// The questions of a learning platform's XML export (<quiz> of <question>
// elements). Multiple choice with one fully right answer becomes a question
// (its stem the subject, the other answers its wrong ones); matching becomes
// term/definition pairs; every other kind is skipped with its line. The
// category questions set the topic of those after them.
//
// Read as a stream: a large file costs little more memory than its bytes.
// A document type declaration is refused as soon as it is met, before any
// entity it declares could be expanded.
namespace MoodleXmlReader {

[[nodiscard]] Result<ImportedFile> read(const QByteArray &bytes);

} // namespace MoodleXmlReader
