#include "shell/ErrorReport.h"
#include "shell/NumberText.h"
#include "shell/RunTimeError.h"

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
        ReportCase{6, "Overflow.", "Program Error!"},
        ReportCase{7, "Out of Memory.", "Program Error!"},
        ReportCase{9, "Subscript out of Range.", "Program Error!"},
        ReportCase{53, "Error Loading From File.", "Program Error!"},
        ReportCase{62, "Input Past End of File.", "Program Error!"},
        ReportCase{31037, "Database Files Not Found.", "Program Error!"},
        // Everything else quotes the number and the description, its two
        // lines split by CR LF, under a title with two exclamation marks.
        ReportCase{13, "Error occured!\r\n#13: Type mismatch", "Program Error!!"},
        ReportCase{5, "Error occured!\r\n#5: Application-defined or object-defined error",
                   "Program Error!!"},
        ReportCase{75, "Error occured!\r\n#75: Path/File access error", "Program Error!!"},
        ReportCase{-2, "Error occured!\r\n#-2: Application-defined or object-defined error",
                   "Program Error!!"},
        ReportCase{31100,
                   "The question bank has fewer than two questions that can be asked.\r"
                   "Check the files A.zel and AD.zel beside the program.",
                   "Program Error!"}));

TEST(ErrorReport, GenericRowQuotesTheCallersDescriptionNotTheStandardOne)
{
    const ErrorReport r = ErrorReport::forFailure(13, QStringLiteral("bad field \"x\""));
    EXPECT_EQ(r.text, "Error occured!\r\n#13: bad field \"x\"");
}

TEST(NumberText, PlainAndSignedForms)
{
    EXPECT_EQ(PlainText(0), "0");
    EXPECT_EQ(PlainText(-17), "-17");
    EXPECT_EQ(PlainText(2147483647), "2147483647");
    EXPECT_EQ(SignedText(0), " 0");
    EXPECT_EQ(SignedText(3), " 3");
    EXPECT_EQ(SignedText(-1), "-1");
    EXPECT_EQ(SignedText(-2147483647 - 1), "-2147483648");
}

} // namespace
