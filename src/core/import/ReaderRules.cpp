#include "ReaderRules.h"

#include <QHash>

namespace ReaderRules {

void addQuestion(ImportedFile &file, ImportedQuestion question, int imagesDropped)
{
    if (question.subject.isEmpty()) {
        file.skipped.push_back({question.line, QStringLiteral("question without text")});
        return;
    }
    if (question.right.isEmpty()) {
        file.skipped.push_back({question.line, QStringLiteral("right answer without text")});
        return;
    }
    QStringList wrong;
    for (const QString &text : std::as_const(question.wrong)) {
        if (wrong.size() == MaxWrong)
            break;
        if (!text.isEmpty() && text != question.right && !wrong.contains(text))
            wrong.append(text);
    }
    question.wrong = wrong;
    file.questions.push_back(std::move(question));
    file.imagesDropped += imagesDropped;
}

QString skippedKind(const QString &kind)
{
    static const QHash<QString, QString> names = {
        {QStringLiteral("truefalse"), QStringLiteral("true/false question")},
        {QStringLiteral("shortanswer"), QStringLiteral("short answer question")},
        {QStringLiteral("numerical"), QStringLiteral("numerical question")},
        {QStringLiteral("essay"), QStringLiteral("essay question")},
        {QStringLiteral("description"), QStringLiteral("description")},
        {QStringLiteral("multianswer"), QStringLiteral("embedded answers question")},
        {QStringLiteral("calculated"), QStringLiteral("calculated question")},
        {QStringLiteral("ddwtos"), QStringLiteral("drag and drop question")},
        {QStringLiteral("gapselect"), QStringLiteral("select missing words question")},
    };
    const QString simplified = kind.simplified();
    return names.value(simplified,
                       (simplified.isEmpty() ? QStringLiteral("untyped") : simplified.left(40)) +
                           QStringLiteral(" question"));
}

QString topicOfCategory(const QString &path)
{
    QString text = path.trimmed();
    // An escaped slash must not split the path.
    text.replace(QLatin1String("//"), QString(QChar(0xE000)));
    QString last = text.section(QLatin1Char('/'), -1).trimmed();
    last.replace(QChar(0xE000), QLatin1Char('/'));
    // The platform's own top levels name no topic.
    if (last == QLatin1String("top") || last.startsWith(QLatin1Char('$')))
        return QString();
    return last.simplified();
}

} // namespace ReaderRules
