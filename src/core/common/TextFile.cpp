#include "TextFile.h"

#include <QStringDecoder>

#include <array>
#include <cstdint>
#include <cstring>

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; the five codes it
// leaves undefined map to the C1 control of the same value, as Windows does.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// Every byte's character, looked up rather than tested: the fuzz target
// decodes each input this way, under coverage tracing of every branch.
constexpr std::array<char16_t, 256> kCp1252 = [] {
    std::array<char16_t, 256> table{};
    for (int b = 0; b < 256; ++b)
        table[b] = (b >= 0x80 && b <= 0x9F) ? kCp1252High[b - 0x80] : char16_t(b);
    return table;
}();

QString decodeCp1252(QByteArrayView bytes)
{
    QString out(bytes.size(), Qt::Uninitialized);
    char16_t *dst = reinterpret_cast<char16_t *>(out.data());
    for (const char c : bytes)
        *dst++ = kCp1252[static_cast<unsigned char>(c)];
    return out;
}

bool isAscii(QByteArrayView bytes)
{
    // Eight bytes at a time: a bank is read at every start.
    const char *p = bytes.data();
    qsizetype n = bytes.size();
    std::uint64_t high = 0;
    for (; n >= 8; p += 8, n -= 8) {
        std::uint64_t word;
        std::memcpy(&word, p, 8);
        high |= word;
    }
    for (; n > 0; ++p, --n)
        high |= std::uint8_t(*p);
    return (high & 0x8080808080808080ULL) == 0;
}

// Calls take(begin, end) for the byte range of each line, as splitLines
// draws them.
template <class Take> void forEachLine(QByteArrayView bytes, Take take)
{
    qsizetype start = 0;
    const qsizetype n = bytes.size();
    const char *data = bytes.data();
    while (start < n) {
        const void *cr = std::memchr(data + start, '\r', std::size_t(n - start));
        if (!cr) {
            take(bytes.sliced(start));
            return;
        }
        const qsizetype i = static_cast<const char *>(cr) - data;
        take(bytes.sliced(start, i - start));
        start = i + 1 < n && data[i + 1] == '\n' ? i + 2 : i + 1;
    }
}

} // namespace

namespace TextFile {

QString decode(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return decodeCp1252(bytes);
}

QStringList splitLines(const QString &text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    while (start < n) {
        qsizetype i = text.indexOf(QLatin1Char('\r'), start);
        if (i < 0)
            i = n; // the last line, without a line end
        lines.append(text.mid(start, i - start));
        if (i + 1 < n && text[i + 1] == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    return lines;
}

QStringList lines(const QByteArray &bytes)
{
    QStringList out;
    // Plain ASCII, what most banks are, reads the same in both encodings.
    if (isAscii(bytes)) {
        forEachLine(bytes, [&](QByteArrayView line) { out.append(QString::fromLatin1(line)); });
        return out;
    }
    // The whole text's byte-order mark is dropped, as decode() drops it; one
    // at the start of a later line is a character.
    QByteArrayView text(bytes);
    if (text.startsWith("\xEF\xBB\xBF"))
        text = text.sliced(3);
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    forEachLine(text, [&](QByteArrayView line) {
        if (!utf8.hasError())
            out.append(utf8.decode(line));
    });
    if (!utf8.hasError())
        return out;
    out.clear();
    forEachLine(bytes, [&](QByteArrayView line) { out.append(decodeCp1252(line)); });
    return out;
}

QString firstLine(const QString &text)
{
    const qsizetype cr = text.indexOf(QLatin1Char('\r'));
    return cr < 0 ? text : text.left(cr);
}

} // namespace TextFile
