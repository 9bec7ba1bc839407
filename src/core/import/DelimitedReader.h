#pragma once

#include "ImportedQuestions.h"
#include "core/common/Error.h"

#include <QByteArray>

// Rows of delimited text, as spreadsheets and flashcard programs write them:
// tab, ";" or "," separated (whichever the first rows use), fields quoted
// with '"' and doubled quotes inside, UTF-8 with or without a byte-order
// mark, otherwise Windows-1252. Leading "#name:value" lines set the
// separator ("#separator:tab") and the column names ("#columns:"); a first
// row made of known column names is a header. Without one, two columns are
// a term and its definition; more are a subject, its right answer and up
// to five wrong ones.
//
// Unquoted fields are trimmed; a quoted field is taken as it stands, save
// for the apostrophe a formula-safe export puts before "=", "+", "-", "@".
namespace DelimitedReader {

[[nodiscard]] Result<ImportedFile> read(const QByteArray &bytes);

// A field as a formula-safe export wrote it, read back: its guarding
// apostrophe dropped.
[[nodiscard]] QString unguarded(const QString &field);

} // namespace DelimitedReader
