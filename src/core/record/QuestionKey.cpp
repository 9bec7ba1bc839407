#include "QuestionKey.h"

#include "core/quiz/QuestionBank.h"

#include <QCryptographicHash>

namespace QuestionKey {

QByteArray of(const QString &wording, const QString &subject, const std::array<QString, 6> &answers)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    // Each text is preceded by its length, so that no two different lists of
    // texts run together into the same bytes.
    auto add = [&hash](const QString &text) {
        const QByteArray utf8 = text.toUtf8();
        hash.addData(QByteArray::number(utf8.size()) + ':');
        hash.addData(utf8);
    };
    add(wording);
    add(subject);
    for (const QString &answer : answers)
        add(answer);
    return hash.result().toHex().left(32);
}

QByteArray ofEntry(const QuestionBank &bank, int entry)
{
    const BankEntry &e = bank.entries[entry];
    return of(e.wording, bank.subject(entry), bank.answers(entry));
}

} // namespace QuestionKey
