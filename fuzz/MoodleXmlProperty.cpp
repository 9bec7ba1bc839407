#include "MoodleXmlProperty.h"

#include "ImportedFileProperty.h"
#include "core/import/MoodleXmlReader.h"

namespace MoodleXmlProperty {

QString check(const QByteArray &input)
{
    const Result<ImportedFile> read = MoodleXmlReader::read(input);
    if (!read.has_value())
        return read.error().description().isEmpty() ? QStringLiteral("a failure without words")
                                                    : QString();
    // Line ends are ASCII in every encoding the reader accepts but UTF-16
    // and UTF-32, where the count is larger than the reader's.
    return ImportedFileProperty::check(*read,
                                       ImportedFileProperty::lineCount(QString::fromLatin1(input)));
}

} // namespace MoodleXmlProperty
