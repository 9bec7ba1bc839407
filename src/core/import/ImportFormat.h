#pragma once

#include "ImportedQuestions.h"
#include "core/common/Error.h"

#include <QByteArray>
#include <QString>

// Which reader a file of questions goes to: Moodle XML by its name or its
// first characters, GIFT by its name or its markers, delimited text
// otherwise.
namespace ImportFormat {

enum class Kind { Delimited, Gift, MoodleXml };

[[nodiscard]] Kind detect(const QString &fileName, const QByteArray &bytes);

// Reads bytes with the reader of their kind.
[[nodiscard]] Result<ImportedFile> read(Kind kind, const QByteArray &bytes);

} // namespace ImportFormat
