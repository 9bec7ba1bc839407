#include "core/common/ErrorReport.h"
#include "core/common/NumberText.h"
#include "core/common/RunTimeError.h"
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

} // namespace
