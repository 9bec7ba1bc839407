#include "BankExport.h"

#include "core/quiz/BankLoader.h"
#include "core/quiz/QuestionBank.h"
#include "core/record/RecordCsv.h"

#include <QBuffer>
#include <QDir>
#include <QSaveFile>

namespace {

// The wording's number, or an empty text for a question without one.
QString wordingNumber(const QString &wording)
{
    static const Wordings wordings = standardWordings();
    for (std::size_t k = 1; k < wordings.size(); ++k) {
        if (!wording.isEmpty() && wordings[k] == wording)
            return QString::number(k);
    }
    return QString();
}

// A text that begins with the apostrophe of the formula guard as a
// spreadsheet would read it: one more apostrophe, which the import drops,
// so that the text comes back as it was.
QString guarded(const QString &text)
{
    static const QString formulaStarts = QStringLiteral("=+-@\t\r");
    if (!text.startsWith(QLatin1Char('\'')))
        return text;
    qsizetype i = 1;
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\''))
        ++i;
    return i < text.size() && formulaStarts.contains(text[i]) ? QLatin1Char('\'') + text : text;
}

} // namespace

namespace BankExport {

QByteArray csv(const QuestionBank &bank)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    buffer.write("\xEF\xBB\xBF");
    RecordCsv out(buffer);
    out.row({QStringLiteral("subject"), QStringLiteral("wording"), QStringLiteral("right"),
             QStringLiteral("wrong1"), QStringLiteral("wrong2"), QStringLiteral("wrong3"),
             QStringLiteral("wrong4"), QStringLiteral("wrong5")});
    for (int j = 1; j <= bank.textCount; ++j) {
        if (bank.entries[j].isSkip())
            continue;
        QStringList row{guarded(bank.subject(j)), wordingNumber(bank.entries[j].wording)};
        for (const QString &answer : bank.answers(j))
            row << guarded(answer);
        out.row(row);
    }
    return buffer.data();
}

Result<int> write(const QString &folder, const QString &target)
{
    const QDir dir(folder);
    QuestionBank bank;
    try {
        bank = BankLoader::load(dir.filePath(QStringLiteral("A.zel")),
                                dir.filePath(QStringLiteral("AD.zel")), standardWordings());
    } catch (const Error &e) {
        return failure(
            e.number(),
            QStringLiteral("%1: the bank cannot be read (%2)").arg(folder, e.description()));
    }
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly))
        return failure(QStringLiteral("%1: %2").arg(target, file.errorString()));
    const QByteArray bytes = csv(bank);
    if (file.write(bytes) != bytes.size() || !file.commit())
        return failure(QStringLiteral("%1: %2").arg(target, file.errorString()));
    return bank.askableCount();
}

} // namespace BankExport
