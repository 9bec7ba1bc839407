// The texts every part of the program shares: failure messages, numbers
// on the labels, and text files as they are read.
#include "core/common/Error.h"
#include "core/common/ErrorReport.h"
#include "core/common/NumberText.h"
#include "core/common/TextFile.h"
#include "support/CaseName.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

// The start-up test shows the rest of the fixed texts on screen.
struct ReportCase {
    const char *name;
    Error error;
    QString text, title;
};
class ErrorReportOf : public ::testing::TestWithParam<ReportCase> {};

TEST_P(ErrorReportOf, ChoosesTheMessageByNumber)
{
    const ErrorReport r = ErrorReport::forFailure(GetParam().error);
    EXPECT_EQ(r.text, GetParam().text);
    EXPECT_EQ(r.title, GetParam().title);
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, ErrorReportOf,
    ::testing::Values(
        ReportCase{"overflow", Error(ErrorNumber::Overflow), "Overflow.", "Program Error!"},
        ReportCase{"memory", Error(ErrorNumber::OutOfMemory), "Out of Memory.", "Program Error!"},
        ReportCase{"past_end", Error(ErrorNumber::InputPastEnd), "Input Past End of File.",
                   "Program Error!"},
        ReportCase{"database", Error(ErrorNumber::DatabaseLoad), "Database Files Not Found.",
                   "Program Error!"},
        // Everything else quotes the number and the caller's description,
        // its two lines split by CR LF, under a title with two exclamation marks.
        ReportCase{"unknown", Error(ErrorNumber(-2)),
                   "Error occured!\r\n#-2: Application-defined or object-defined error",
                   "Program Error!!"},
        ReportCase{"own_words", Error(ErrorNumber::TypeMismatch, "bad field \"x\""),
                   "Error occured!\r\n#13: bad field \"x\"", "Program Error!!"}),
    CaseName());

// The sign column of the timed labels, and the one negative number that
// has no positive counterpart.
TEST(NumberText, PlainAndSignedForms)
{
    EXPECT_EQ(signedText(0), " 0");
    EXPECT_EQ(signedText(-1), "-1");
    EXPECT_EQ(plainText(-2147483647 - 1), "-2147483648");
    EXPECT_EQ(signedText(-2147483647 - 1), "-2147483648");
}

struct LinesCase {
    const char *name;
    QByteArray bytes;
    QStringList lines;
};
class TextFileLines : public ::testing::TestWithParam<LinesCase> {};

TEST_P(TextFileLines, SplitsLinesAsTheSequentialReaderDoes)
{
    EXPECT_EQ(TextFile::lines(GetParam().bytes), GetParam().lines);
}

const LinesCase kLinesCases[] = {{"empty", "", {}},
                                 {"crlf", "a\r\nb\r\n", {"a", "b"}},
                                 {"cr_only", "a\rb\r", {"a", "b"}},
                                 {"no_final_line_end", "a\r\nb", {"a", "b"}},
                                 {"extra_line_end_is_an_empty_line", "a\r\n\r\n", {"a", ""}},
                                 {"lone_lf_stays_in_line", "a\nb\r\nc", {"a\nb", "c"}},
                                 {"cr_then_crlf", "a\r\r\n", {"a", ""}},
                                 {"only_a_line_end", "\r\n", {""}},
                                 {"blanks_kept", "  x  \r\n", {"  x  "}}};
INSTANTIATE_TEST_SUITE_P(Endings, TextFileLines, ::testing::ValuesIn(kLinesCases), CaseName());

// A version file's first line; a file in UTF-8 keeps its accents, any
// other is Windows-1252, whose 0x80 and 0x93/0x94 are the euro sign and
// curly quotes, not C1 controls.
TEST(TextFile, DecodesUtf8OrElseWindows1252AndReadsTheFirstLine)
{
    EXPECT_EQ(TextFile::firstLine(TextFile::decode("1.2\r\n1.3\r\n")), "1.2");
    EXPECT_EQ(TextFile::firstLine("1.2\nx"), "1.2\nx");
    EXPECT_EQ(TextFile::firstLine(QString()), QString());
    EXPECT_EQ(TextFile::decode("Cr\xC3\xA8me"), QString::fromUtf8("Cr\xC3\xA8me"));
    EXPECT_EQ(TextFile::decode("Cr\xE8me \x80 \x93q\x94"),
              QString::fromUtf8("Cr\xC3\xA8me \xE2\x82\xAC \xE2\x80\x9Cq\xE2\x80\x9D"));
}

} // namespace
