#include "core/common/TextFile.h"

#include <gtest/gtest.h>

namespace {

struct SplitCase {
    const char *name;
    QByteArray bytes;
    QStringList lines;
};

class SplitLines : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitLines, FollowTheSequentialReader)
{
    const SplitCase &c = GetParam();
    EXPECT_EQ(TextFile::splitLines(TextFile::decode(c.bytes)), c.lines);
}

INSTANTIATE_TEST_SUITE_P(
    LineEnds, SplitLines,
    ::testing::Values(SplitCase{"empty", "", {}}, SplitCase{"crlf", "a\r\nb\r\n", {"a", "b"}},
                      SplitCase{"cr_only", "a\rb\r", {"a", "b"}},
                      SplitCase{"no_final_line_end", "a\r\nb", {"a", "b"}},
                      SplitCase{"extra_line_end_is_an_empty_line", "a\r\n\r\n", {"a", ""}},
                      SplitCase{"lone_lf_stays_in_line", "a\nb\r\nc", {"a\nb", "c"}},
                      SplitCase{"cr_then_crlf", "a\r\r\n", {"a", ""}},
                      SplitCase{"only_a_line_end", "\r\n", {""}},
                      SplitCase{"blanks_kept", "  x  \r\n", {"  x  "}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Decode, Utf8FileKeepsItsAccents)
{
    EXPECT_EQ(TextFile::decode("Cr\xC3\xA8me"), QString::fromUtf8("Cr\xC3\xA8me"));
}

TEST(Decode, AnyOtherFileIsWindows1252)
{
    // 0xE8 alone is not UTF-8; 0x80 and 0x93/0x94 are the euro sign and
    // curly quotes of Windows-1252, not C1 controls.
    EXPECT_EQ(TextFile::decode("Cr\xE8me \x80 \x93q\x94"),
              QString::fromUtf8("Cr\xC3\xA8me \xE2\x82\xAC \xE2\x80\x9Cq\xE2\x80\x9D"));
}

TEST(Decode, FirstLineStopsAtCarriageReturn)
{
    EXPECT_EQ(TextFile::firstLine(QStringLiteral("1.2\r\n1.3\r\n")), QStringLiteral("1.2"));
    EXPECT_EQ(TextFile::firstLine(QStringLiteral("1.2\nx")), QStringLiteral("1.2\nx"));
    EXPECT_EQ(TextFile::firstLine(QString()), QString());
}

} // namespace
