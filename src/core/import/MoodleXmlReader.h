#pragma once

#include "ImportedQuestions.h"
#include "core/common/Error.h"

#include <QByteArray>

// Stands in for the reader until it lands.
namespace MoodleXmlReader {

[[nodiscard]] Result<ImportedFile> read(const QByteArray &bytes);

} // namespace MoodleXmlReader
