#include "core/common/ErrorReport.h"
#include "core/common/NumberText.h"
#include "core/common/RunTimeError.h"

#include <gtest/gtest.h>

namespace {

struct ReportCase {
    int number;
    const char *text;
    const char *title;
};

class ErrorReportTable : public ::testing::TestWithParam<ReportCase> {};

TEST_P(ErrorReportTable, ChoosesTheMessageByNumber)
{
    const ReportCase &c = GetParam();
    const ErrorReport r = ErrorReport::forFailure(c.number, RunTimeError::describe(c.number));
    EXPECT_EQ(r.text, QString::fromUtf8(c.text));
    EXPECT_EQ(r.title, QString::fromUtf8(c.title));
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, ErrorReportTable,
    ::testing::Values(
        // The start-up test shows the rest of the fixed texts on screen.
        ReportCase{6, "Overflow.", "Program Error!"},
        ReportCase{7, "Out of Memory.", "Program Error!"},
        ReportCase{62, "Input Past End of File.", "Program Error!"},
        ReportCase{31037, "Database Files Not Found.", "Program Error!"},
        // Everything else quotes the number and the description, its two
        // lines split by CR LF, under a title with two exclamation marks.
        ReportCase{-2, "Error occured!\r\n#-2: Application-defined or object-defined error",
                   "Program Error!!"}));

TEST(ErrorReport, GenericRowQuotesTheCallersDescriptionNotTheStandardOne)
{
    const ErrorReport r = ErrorReport::forFailure(13, QStringLiteral("bad field \"x\""));
    EXPECT_EQ(r.text, "Error occured!\r\n#13: bad field \"x\"");
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

} // namespace
