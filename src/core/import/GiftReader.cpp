#include "GiftReader.h"

namespace GiftReader {

Result<ImportedFile> read(const QString &text)
{
    Q_UNUSED(text);
    return failure(QStringLiteral("this kind of file cannot be read yet"));
}

} // namespace GiftReader
