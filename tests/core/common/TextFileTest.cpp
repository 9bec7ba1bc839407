#include "core/common/TextFile.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

TEST(TextFile, SplitsLinesAsTheSequentialReaderDoes)
{
    const struct {
        const char *name;
        QByteArray bytes;
        QStringList lines;
    } cases[] = {{"empty", "", {}},
                 {"crlf", "a\r\nb\r\n", {"a", "b"}},
                 {"cr_only", "a\rb\r", {"a", "b"}},
                 {"no_final_line_end", "a\r\nb", {"a", "b"}},
                 {"extra_line_end_is_an_empty_line", "a\r\n\r\n", {"a", ""}},
                 {"lone_lf_stays_in_line", "a\nb\r\nc", {"a\nb", "c"}},
                 {"cr_then_crlf", "a\r\r\n", {"a", ""}},
                 {"only_a_line_end", "\r\n", {""}},
                 {"blanks_kept", "  x  \r\n", {"  x  "}}};
    for (const auto &c : cases)
        EXPECT_EQ(TextFile::splitLines(TextFile::decode(c.bytes)), c.lines) << c.name;
}

TEST(TextFile, DecodesUtf8OrElseWindows1252)
{
    EXPECT_EQ(TextFile::decode("Cr\xC3\xA8me"), QString::fromUtf8("Cr\xC3\xA8me"));
    // 0xE8 alone is not UTF-8; 0x80 and 0x93/0x94 are the euro sign and
    // curly quotes of Windows-1252, not C1 controls.
    EXPECT_EQ(TextFile::decode("Cr\xE8me \x80 \x93q\x94"),
              QString::fromUtf8("Cr\xC3\xA8me \xE2\x82\xAC \xE2\x80\x9Cq\xE2\x80\x9D"));
}

TEST(TextFile, FirstLineStopsAtCarriageReturn)
{
    EXPECT_EQ(TextFile::firstLine(QStringLiteral("1.2\r\n1.3\r\n")), QStringLiteral("1.2"));
    EXPECT_EQ(TextFile::firstLine(QStringLiteral("1.2\nx")), QStringLiteral("1.2\nx"));
    EXPECT_EQ(TextFile::firstLine(QString()), QString());
}

} // namespace
