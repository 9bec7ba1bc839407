#include "ImportFormat.h"

#include "DelimitedReader.h"
#include "GiftReader.h"
#include "MoodleXmlReader.h"
#include "core/common/TextFile.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace ImportFormat {

Kind detect(const QString &fileName, const QByteArray &bytes)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == QLatin1String("xml"))
        return Kind::MoodleXml;
    if (suffix == QLatin1String("gift"))
        return Kind::Gift;
    if (suffix == QLatin1String("csv") || suffix == QLatin1String("tsv"))
        return Kind::Delimited;
    QByteArrayView head = QByteArrayView(bytes).first(std::min<qsizetype>(bytes.size(), 4096));
    if (head.startsWith("\xEF\xBB\xBF"))
        head = head.sliced(3);
    const QByteArray start = head.trimmed().toByteArray();
    if (start.startsWith("<?xml") || start.startsWith("<quiz"))
        return Kind::MoodleXml;
    // A question's title at a line's start, or an answer block with its
    // marks, in a file without tabs: nobody's spreadsheet looks like that.
    static const QRegularExpression titled(QStringLiteral("(^|\\n)\\s*::"));
    static const QRegularExpression answers(QStringLiteral("\\{[^}]*[=~][^}]*\\}"));
    const QString text = TextFile::decode(bytes);
    if (!text.contains(QLatin1Char('\t')) && (text.contains(titled) || text.contains(answers)))
        return Kind::Gift;
    return Kind::Delimited;
}

Result<ImportedFile> read(Kind kind, const QByteArray &bytes)
{
    switch (kind) {
    case Kind::MoodleXml:
        return MoodleXmlReader::read(bytes);
    case Kind::Gift:
        return GiftReader::read(TextFile::decode(bytes));
    case Kind::Delimited:
        break;
    }
    return DelimitedReader::read(bytes);
}

} // namespace ImportFormat
