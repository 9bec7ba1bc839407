#pragma once

#include "core/import/ImportedQuestions.h"

#include <QString>

// What must hold for whatever a question reader makes of a file: every
// question can become a bank entry (a subject and a right answer, at most
// five wrong answers, none of them empty, repeated or the right one, no
// text spanning lines) and every line named lies within the file's
// `lineCount` lines. Returns what went wrong, or an empty text.
namespace ImportedFileProperty {

QString check(const ImportedFile &file, int lineCount);

// The lines of a text as the readers count them: LF, CR LF and CR each
// end one.
int lineCount(QStringView text);

} // namespace ImportedFileProperty
