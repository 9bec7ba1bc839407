#include "ImportedFileProperty.h"

namespace ImportedFileProperty {

namespace {

bool isOneLine(const QString &text)
{
    return !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r'));
}

} // namespace

QString check(const ImportedFile &file, int lineCount)
{
    for (const ImportedQuestion &q : file.questions) {
        const QString where = QStringLiteral(" (line %1)").arg(q.line);
        if (q.subject.isEmpty() || q.right.isEmpty())
            return QStringLiteral("a question without a subject or a right answer") + where;
        if (q.wrong.size() > 5)
            return QStringLiteral("more than five wrong answers") + where;
        if (q.wrong.contains(q.right))
            return QStringLiteral("the right answer among the wrong ones") + where;
        QStringList distinct = q.wrong;
        if (q.wrong.contains(QString()) || distinct.removeDuplicates() != 0)
            return QStringLiteral("an empty or repeated wrong answer") + where;
        if (!isOneLine(q.subject) || !isOneLine(q.right) || !isOneLine(q.topic) ||
            !isOneLine(q.wrong.join(QLatin1Char(' '))))
            return QStringLiteral("a text spans lines") + where;
        if (q.line < 1 || q.line > lineCount)
            return QStringLiteral("a question's line is outside the file") + where;
    }
    for (const SkippedItem &s : file.skipped) {
        if (s.line < 1 || s.line > lineCount)
            return QStringLiteral("a skipped item's line %1 is outside the file").arg(s.line);
        if (s.reason.isEmpty())
            return QStringLiteral("a skipped item without a reason");
    }
    if (file.imagesDropped < 0)
        return QStringLiteral("a negative count of pictures");
    return QString();
}

int lineCount(QStringView text)
{
    int lines = 1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('\n') ||
            (text[i] == QLatin1Char('\r') &&
             (i + 1 == text.size() || text[i + 1] != QLatin1Char('\n'))))
            ++lines;
    }
    return lines;
}

} // namespace ImportedFileProperty
