#include "BankLoader.h"

#include "core/common/Error.h"
#include "core/common/TextFile.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <array>
#include <cstring>
#include <limits>
#include <utility>
#include <vector>

namespace BankLoader {
namespace {

// Positions in a line were a 16-bit signed counter: a line whose seven
// fields do not end within this many characters is an overflow.
constexpr qsizetype kMaxPosition = 32767;
constexpr int kFieldCount = 7;

// The parts below give a failure as its number, None for none: a full bank
// asks for 4,200 fields at start-up, and most of them are fine.

// A whole number with optional blanks around it, as the classic numeric
// conversion accepts it; anything else is a type mismatch.
[[nodiscard]] ErrorNumber toWholeNumber(QStringView field, std::int64_t &number)
{
    // Most fields are bare digits, which need no trimming.
    const auto digit = [](QChar c) { return c >= u'0' && c <= u'9'; };
    const bool bare = !field.isEmpty() && digit(field.front()) && digit(field.back());
    const QStringView t = bare ? field : field.trimmed();
    number = 0;
    if (t.isEmpty())
        return ErrorNumber::None;
    qsizetype i = 0;
    bool negative = false;
    if (t[0] == u'+' || t[0] == u'-') {
        negative = t[0] == u'-';
        i = 1;
    }
    if (i == t.size())
        return ErrorNumber::TypeMismatch;
    std::int64_t value = 0;
    for (; i < t.size(); ++i) {
        const char16_t c = t[i].unicode();
        if (c < u'0' || c > u'9')
            return ErrorNumber::TypeMismatch;
        value = value * 10 + (c - u'0');
        if (value > std::numeric_limits<std::int32_t>::max())
            return ErrorNumber::Overflow;
    }
    number = negative ? -value : value;
    return ErrorNumber::None;
}

// The seven fields of an "AD.zel" line, as views into it: one pass over the
// line, no copies, since a full bank asks for 4,200 fields at start-up.
using Fields = std::array<QStringView, kFieldCount>;

// The next "|" from start, or -1. A field is mostly a few digits, too
// short for the library's search to pay off; a long one is left to it.
[[nodiscard]] qsizetype nextBar(QStringView line, qsizetype start)
{
    const qsizetype near = std::min(line.size(), start + 8);
    for (qsizetype i = start; i < near; ++i) {
        if (line[i] == u'|')
            return i;
    }
    return near == line.size() ? -1 : line.indexOf(u'|', near);
}

[[nodiscard]] ErrorNumber splitFields(QStringView line, Fields &fields)
{
    const qsizetype firstBar = line.indexOf(u'|');
    if (firstBar < 0) {
        // The scan of field 1 runs to the end of the line, one position past
        // the last character; that position must still fit the counter.
        if (line.size() + 1 > kMaxPosition)
            return ErrorNumber::Overflow;
        fields[0] = u"9";
    } else {
        if (firstBar + 1 > kMaxPosition)
            return ErrorNumber::Overflow;
        fields[0] = line.left(firstBar);
    }

    if (fields[0] == u"9") {
        for (int f = 1; f < kFieldCount; ++f)
            fields[f] = u"0";
        return ErrorNumber::None;
    }
    // Fields 2..7 each end at the next "|". A line without all seven
    // separators (or with the seventh past the counter's range) is an
    // overflow: the check is made on the bounds, not by walking past them.
    qsizetype start = firstBar + 1;
    for (int f = 1; f < kFieldCount; ++f) {
        const qsizetype bar = nextBar(line, start);
        if (bar < 0 || bar + 1 > kMaxPosition)
            return ErrorNumber::Overflow;
        fields[f] = line.mid(start, bar - start);
        start = bar + 1;
    }
    return ErrorNumber::None;
}

// Finds where line MaxLines + 1 begins, fed the bytes of a file in order.
// Line ends are CR and CR LF, and a line end at the very end of the file
// starts no further line: the first byte after the last allowed line end
// (its LF aside) begins the line too many.
class LineScan {
  public:
    // Scans the bytes not yet seen; the offset of the line too many, or -1.
    [[nodiscard]] qsizetype feed(QByteArrayView bytes)
    {
        const char *data = bytes.data();
        const qsizetype n = bytes.size();
        while (m_pos < n) {
            if (m_afterCr) {
                m_afterCr = false;
                if (data[m_pos] == '\n') {
                    ++m_pos;
                    continue;
                }
            }
            if (m_lineEnds == QuestionBank::MaxLines)
                return m_pos;
            if (m_lineStart < 0)
                m_lineStart = m_pos;
            // Straight to the line's end: a bank is a few tens of kilobytes
            // read at every start.
            const void *cr = std::memchr(data + m_pos, '\r', std::size_t(n - m_pos));
            if (!cr) {
                m_pos = n;
                break;
            }
            m_pos = static_cast<const char *>(cr) - data + 1;
            ++m_lineEnds;
            m_afterCr = true;
            m_lineStart = -1;
        }
        return -1;
    }
    // The line being read, from 1, and where it began (the end of the
    // bytes seen when none has begun).
    [[nodiscard]] int line() const { return m_lineEnds + 1; }
    [[nodiscard]] qsizetype lineStart() const { return m_lineStart < 0 ? m_pos : m_lineStart; }

  private:
    qsizetype m_pos = 0;
    qsizetype m_lineStart = -1;
    int m_lineEnds = 0;
    bool m_afterCr = false;
};

} // namespace

Result<QString> field(QChar letter, const QString &line)
{
    Fields fields;
    if (const ErrorNumber why = splitFields(line, fields); why != ErrorNumber::None)
        return failure(why);
    const char16_t l = letter.toUpper().unicode();
    if (l < u'A' || l > u'G')
        return QString();
    return fields[l - u'A'].toString();
}

FileRead linesOf(const QByteArray &bytes)
{
    LineScan scan;
    const QByteArrayView view(bytes);
    const qsizetype limit = qsizetype(QuestionBank::MaxFileBytes);
    const qsizetype tooMany = scan.feed(view.first(std::min(view.size(), limit + 1)));
    if (tooMany >= 0)
        return {TextFile::lines(bytes.first(tooMany)), ErrorNumber::SubscriptOutOfRange,
                QuestionBank::MaxLines + 1};
    if (view.size() > limit)
        return {TextFile::lines(bytes.first(scan.lineStart())), ErrorNumber::Overflow, scan.line()};
    return {TextFile::lines(bytes), ErrorNumber::None, 0};
}

FileRead readFile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return {{}, ErrorNumber::FileNotFound, 0};
    // Opening a pipe waits for a writer, and a device may never end.
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly))
        return {{}, ErrorNumber::FileAccess, 0};

    // Read in pieces, so that a file of endless empty lines is given up at
    // its 601st and a huge one at the byte limit, not read whole.
    QByteArray bytes;
    LineScan scan;
    constexpr qint64 kPiece = 1 << 16;
    while (bytes.size() <= QuestionBank::MaxFileBytes) {
        const QByteArray piece = file.read(kPiece);
        if (piece.isEmpty())
            break;
        bytes += piece;
        if (scan.feed(bytes) >= 0)
            break;
    }
    if (file.error() != QFileDevice::NoError)
        return {{}, ErrorNumber::FileAccess, 0};
    return linesOf(bytes);
}

Result<QStringList> readLines(const QString &path)
{
    FileRead read = readFile(path);
    if (read.error != ErrorNumber::None)
        return failure(read.error);
    return std::move(read.lines);
}

Result<BankEntry> readEntry(const QString &line, const Wordings &wordings)
{
    BankEntry entry;
    Fields fields;
    if (const ErrorNumber why = splitFields(line, fields); why != ErrorNumber::None)
        return failure(why);
    const QStringView category = fields[0];
    if (!category.trimmed().isEmpty()) {
        std::int64_t c = 0;
        if (const ErrorNumber why = toWholeNumber(category, c); why != ErrorNumber::None)
            return failure(why);
        if ((c >= 1 && c <= 8) || c == 10)
            entry.wording = wordings[c];
        else if (c == 9)
            entry.wording = BankEntry::skipWording();
        // 22 and every other number: no wording.
    }
    for (int k = 0; k < 6; ++k) {
        std::int64_t n = 0;
        if (const ErrorNumber why = toWholeNumber(fields[k + 1], n); why != ErrorNumber::None)
            return failure(why);
        if (n < 0 || n > QuestionBank::MaxLines)
            return failure(ErrorNumber::SubscriptOutOfRange);
        entry.answerTexts[k] = std::int16_t(n);
    }
    return entry;
}

QuestionBank buildBank(const QStringList &aLines, const QStringList &adLines,
                       const Wordings &wordings)
{
    return buildBank(QStringList(aLines), adLines, wordings);
}

QuestionBank buildBank(QStringList &&aLines, const QStringList &adLines, const Wordings &wordings)
{
    if (aLines.size() > QuestionBank::MaxLines || adLines.size() > QuestionBank::MaxLines)
        throw Error(ErrorNumber::SubscriptOutOfRange);

    for (const QString &text : std::as_const(aLines)) {
        if (text.size() > QuestionBank::MaxTextLength)
            throw Error(ErrorNumber::Overflow);
    }

    QuestionBank bank;
    bank.textCount = int(aLines.size());
    bank.entryCount = int(adLines.size());
    std::vector<QString> &texts = bank.texts.items();
    texts.reserve(std::size_t(bank.textCount) + 1);
    texts.emplace_back();
    // Moved, not copied, when the lines are the loader's own.
    for (QString &text : aLines)
        texts.push_back(std::move(text));

    std::vector<BankEntry> &entries = bank.entries.items();
    entries.reserve(std::size_t(bank.entryCount) + 1);
    entries.emplace_back();
    for (const QString &line : adLines) {
        Result<BankEntry> entry = readEntry(line, wordings);
        if (!entry)
            throw entry.error();
        entries.push_back(std::move(*entry));
    }
    return bank;
}

QuestionBank load(const QString &AFile, const QString &ADFile, const Wordings &wordings)
{
    Result<QStringList> aLines = readLines(AFile);
    if (!aLines)
        throw aLines.error();
    const Result<QStringList> adLines = readLines(ADFile);
    if (!adLines)
        throw adLines.error();
    return buildBank(std::move(*aLines), *adLines, wordings);
}

} // namespace BankLoader
