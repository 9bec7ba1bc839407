#include "GiftProperty.h"

#include "ImportedFileProperty.h"
#include "core/import/GiftReader.h"

namespace GiftProperty {

QString check(const QByteArray &input)
{
    const QString text = QString::fromUtf8(input);
    const Result<ImportedFile> read = GiftReader::read(text);
    // A file with errors still reads: each bad question is skipped.
    if (!read.has_value())
        return QStringLiteral("the reader failed: ") + read.error().description();
    return ImportedFileProperty::check(*read, ImportedFileProperty::lineCount(text));
}

} // namespace GiftProperty
