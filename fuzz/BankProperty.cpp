#include "BankProperty.h"

#include "core/common/Error.h"
#include "core/common/ErrorReport.h"
#include "core/common/TextFile.h"
#include "core/quiz/BankCheck.h"
#include "core/quiz/BankLoader.h"
#include "core/quiz/QuestionBank.h"

#include <algorithm>

namespace BankProperty {

Files split(const QByteArray &input)
{
    if (input.size() < 2)
        return {input, QByteArray()};
    const auto lo = static_cast<unsigned char>(input[0]);
    const auto hi = static_cast<unsigned char>(input[1]);
    const qsizetype rest = input.size() - 2;
    const qsizetype aLength = std::min<qsizetype>(lo | (hi << 8), rest);
    return {input.mid(2, aLength), input.mid(2 + aLength)};
}

QString check(const QByteArray &input)
{
    const Files files = split(input);
    const QStringList aLines = TextFile::lines(files.a);
    const QStringList adLines = TextFile::lines(files.ad);
    // The loader reads line by line from the bytes; it must read what the
    // whole text, decoded and then split, holds.
    if (aLines != TextFile::splitLines(TextFile::decode(files.a)) ||
        adLines != TextFile::splitLines(TextFile::decode(files.ad)))
        return QStringLiteral("the line reader and the whole-text decoder disagree");

    // What the start-up does with these files.
    bool starts = false;
    Error failure(ErrorNumber::None, QString());
    int askable = 0;
    try {
        if (aLines.size() > QuestionBank::MaxLines || adLines.size() > QuestionBank::MaxLines)
            throw Error(ErrorNumber::SubscriptOutOfRange);
        const QuestionBank bank = BankLoader::buildBank(aLines, adLines, standardWordings());
        askable = bank.askableCount();
        starts = askable >= 2;
        if (!starts)
            failure = Error(ErrorNumber::TooFewQuestions);
    } catch (const Error &e) {
        failure = e;
    } catch (const std::exception &e) {
        return QStringLiteral("the loader threw a foreign exception: ") +
               QString::fromLocal8Bit(e.what());
    }

    const BankCheck c = BankCheck::ofContents(files.a, files.ad);
    if (c.wouldStart() != starts)
        return QStringLiteral("the check says the program %1, the loader failed with %2")
            .arg(c.wouldStart() ? QStringLiteral("starts") : QStringLiteral("does not start"))
            .arg(failure.code());
    if (c.entries() != std::min<qsizetype>(adLines.size(), QuestionBank::MaxLines))
        return QStringLiteral("the check counts %1 entries, AD.zel has %2 lines")
            .arg(c.entries())
            .arg(adLines.size());
    if (starts && c.askable() != askable)
        return QStringLiteral("the check counts %1 askable entries, the loader %2")
            .arg(c.askable())
            .arg(askable);

    // The failure the start-up shows must be among the errors listed.
    if (!starts) {
        QString expected = ErrorReport::forFailure(failure).text;
        expected.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
        expected.replace(QLatin1Char('\r'), QLatin1Char(' '));
        expected.replace(QLatin1Char('\n'), QLatin1Char(' '));
        bool listed = false;
        for (const BankCheck::Finding &f : c.findings())
            listed = listed || (f.kind == BankCheck::Finding::Kind::Error && f.message == expected);
        if (!listed)
            return QStringLiteral("the start-up fails with \"%1\", the check does not list it")
                .arg(expected);
    }

    // One finding, one line: a report line broken by a bank text would
    // read as a second finding.
    for (const BankCheck::Finding &f : c.findings()) {
        const QString line = f.text();
        if (line.contains(QLatin1Char('\r')) || line.contains(QLatin1Char('\n')))
            return QStringLiteral("a finding spans lines: ") + line;
    }
    return QString();
}

} // namespace BankProperty
