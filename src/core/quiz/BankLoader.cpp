#include "BankLoader.h"

#include "core/common/RunTimeError.h"
#include "core/common/TextFile.h"

#include <QFile>
#include <QFileInfo>

#include <array>
#include <limits>

namespace BankLoader {
namespace {

// Positions in a line were a 16-bit signed counter: a line whose seven
// fields do not end within this many characters is an overflow.
constexpr qsizetype kMaxPosition = 32767;
constexpr int kFieldCount = 7;

// A whole number with optional blanks around it, as the classic numeric
// conversion accepts it; anything else is a type mismatch.
std::int64_t toWholeNumber(QStringView field)
{
    const QStringView t = field.trimmed();
    if (t.isEmpty())
        return 0;
    qsizetype i = 0;
    bool negative = false;
    if (t[0] == u'+' || t[0] == u'-') {
        negative = t[0] == u'-';
        i = 1;
    }
    if (i == t.size())
        throw RunTimeError(RunTimeError::TypeMismatch);
    std::int64_t value = 0;
    for (; i < t.size(); ++i) {
        const char16_t c = t[i].unicode();
        if (c < u'0' || c > u'9')
            throw RunTimeError(RunTimeError::TypeMismatch);
        value = value * 10 + (c - u'0');
        if (value > std::numeric_limits<std::int32_t>::max())
            throw RunTimeError(RunTimeError::Overflow);
    }
    return negative ? -value : value;
}

// The seven fields of an "AD.zel" line, as views into it: one pass over the
// line, no copies, since a full bank asks for 4,200 fields at start-up.
using Fields = std::array<QStringView, kFieldCount>;

Fields splitFields(QStringView line)
{
    Fields fields;
    const qsizetype firstBar = line.indexOf(u'|');
    if (firstBar < 0) {
        // The scan of field 1 runs to the end of the line, one position past
        // the last character; that position must still fit the counter.
        if (line.size() + 1 > kMaxPosition)
            throw RunTimeError(RunTimeError::Overflow);
        fields[0] = u"9";
    } else {
        if (firstBar + 1 > kMaxPosition)
            throw RunTimeError(RunTimeError::Overflow);
        fields[0] = line.left(firstBar);
    }

    if (fields[0] == u"9") {
        for (int f = 1; f < kFieldCount; ++f)
            fields[f] = u"0";
        return fields;
    }
    // Fields 2..7 each end at the next "|". A line without all seven
    // separators (or with the seventh past the counter's range) is an
    // overflow: the check is made on the bounds, not by walking past them.
    qsizetype start = firstBar + 1;
    for (int f = 1; f < kFieldCount; ++f) {
        const qsizetype bar = line.indexOf(u'|', start);
        if (bar < 0 || bar + 1 > kMaxPosition)
            throw RunTimeError(RunTimeError::Overflow);
        fields[f] = line.mid(start, bar - start);
        start = bar + 1;
    }
    return fields;
}

} // namespace

QString GetField(QChar letter, const QString &line)
{
    const Fields fields = splitFields(line);
    const char16_t l = letter.toUpper().unicode();
    if (l < u'A' || l > u'G')
        return QString();
    return fields[l - u'A'].toString();
}

QStringList readLines(const QString &path)
{
    QFile file(path);
    if (!QFileInfo::exists(path))
        throw RunTimeError(RunTimeError::FileNotFound);
    if (!file.open(QIODevice::ReadOnly))
        throw RunTimeError(RunTimeError::FileAccess);
    QStringList lines = TextFile::lines(file.readAll());
    if (lines.size() > QuestionBank::MaxLines)
        throw RunTimeError(RunTimeError::SubscriptOutOfRange);
    return lines;
}

BankEntry readEntry(const QString &line, const Texts &texts, const Wordings &wordings)
{
    BankEntry entry;
    const Fields fields = splitFields(line);
    const QStringView category = fields[0];
    if (!category.trimmed().isEmpty()) {
        const std::int64_t c = toWholeNumber(category);
        if ((c >= 1 && c <= 8) || c == 10)
            entry.Wording = wordings[c];
        else if (c == 9)
            entry.Wording = BankEntry::skipWording();
        // 22 and every other number: no wording.
    }
    for (int k = 0; k < 6; ++k) {
        const std::int64_t n = toWholeNumber(fields[k + 1]);
        if (n < 0 || n > QuestionBank::MaxLines)
            throw RunTimeError(RunTimeError::SubscriptOutOfRange);
        entry.Answer[k] = texts[n];
    }
    return entry;
}

QuestionBank buildBank(const QStringList &aLines, const QStringList &adLines,
                       const Wordings &wordings)
{
    if (aLines.size() > QuestionBank::MaxLines || adLines.size() > QuestionBank::MaxLines)
        throw RunTimeError(RunTimeError::SubscriptOutOfRange);

    QuestionBank bank;
    bank.ACount = int(aLines.size());
    bank.ADCount = int(adLines.size());
    for (int i = 0; i < bank.ACount; ++i)
        bank.ALines[i + 1] = aLines[i];

    for (int j = 1; j <= bank.ADCount; ++j)
        bank.Bank[j] = readEntry(adLines[j - 1], bank.ALines, wordings);
    return bank;
}

QuestionBank LoadBank(const QString &AFile, const QString &ADFile, const Wordings &wordings)
{
    const QStringList aLines = readLines(AFile);
    const QStringList adLines = readLines(ADFile);
    return buildBank(aLines, adLines, wordings);
}

} // namespace BankLoader
