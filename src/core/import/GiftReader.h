#pragma once

#include "ImportedQuestions.h"
#include "core/common/Error.h"

#include <QString>

// Stands in for the reader until it lands.
namespace GiftReader {

[[nodiscard]] Result<ImportedFile> read(const QString &text);

} // namespace GiftReader
