// The texts every part of the program shares: failure messages, numbers
// on the labels, and text files as they are read.
#include "core/common/ErrorReport.h"
#include "core/common/NumberText.h"
#include "core/common/RunTimeError.h"
#include "core/common/TextFile.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

// The start-up test shows the rest of the fixed texts on screen.
TEST(ErrorReport, ChoosesTheMessageByNumber)
{
    const struct {
        int number;
        QString description, text, title;
    } cases[] = {
        {6, RunTimeError::describe(6), "Overflow.", "Program Error!"},
        {7, RunTimeError::describe(7), "Out of Memory.", "Program Error!"},
        {62, RunTimeError::describe(62), "Input Past End of File.", "Program Error!"},
        {31037, RunTimeError::describe(31037), "Database Files Not Found.", "Program Error!"},
        // Everything else quotes the number and the caller's description,
        // its two lines split by CR LF, under a title with two exclamation marks.
        {-2, RunTimeError::describe(-2),
         "Error occured!\r\n#-2: Application-defined or object-defined error", "Program Error!!"},
        {13, "bad field \"x\"", "Error occured!\r\n#13: bad field \"x\"", "Program Error!!"},
    };
    for (const auto &c : cases) {
        const ErrorReport r = ErrorReport::forFailure(c.number, c.description);
        EXPECT_EQ(r.text, c.text) << c.number;
        EXPECT_EQ(r.title, c.title) << c.number;
    }
}

// The sign column of the timed labels, and the one negative number that
// has no positive counterpart.
TEST(NumberText, PlainAndSignedForms)
{
    EXPECT_EQ(SignedText(0), " 0");
    EXPECT_EQ(SignedText(-1), "-1");
    EXPECT_EQ(PlainText(-2147483647 - 1), "-2147483648");
    EXPECT_EQ(SignedText(-2147483647 - 1), "-2147483648");
}

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
        EXPECT_EQ(TextFile::lines(c.bytes), c.lines) << c.name;
}

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
