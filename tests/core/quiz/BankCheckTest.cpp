#include "core/quiz/BankCheck.h"
#include "fuzz/BankProperty.h"
#include "support/TempDir.h"

#include <QDir>

#include <gtest/gtest.h>

#include <optional>

namespace {

using Bytes = std::optional<QByteArray>;

// Text number i of these files reads "T<i>".
QByteArray texts(int count)
{
    QByteArray out;
    for (int i = 1; i <= count; ++i)
        out += "T" + QByteArray::number(i) + "\r\n";
    return out;
}

QByteArray lines(int count, const QByteArray &line)
{
    QByteArray out;
    for (int i = 0; i < count; ++i)
        out += line + "\r\n";
    return out;
}

const QByteArray kTwoQuestions = "3|2|3|4|5|6|7|\r\n4|1|3|4|5|6|7|\r\n";

struct CheckCase {
    const char *name;
    Bytes a;
    Bytes ad;
    bool starts;
    int entries;
    int askable;
    QString findings; // every finding on a line of its own, in file order
};

class BankCheckReport : public ::testing::TestWithParam<CheckCase> {};

TEST_P(BankCheckReport, ListsEveryFindingInFileOrder)
{
    const CheckCase &c = GetParam();
    const BankCheck check = BankCheck::ofContents(c.a, c.ad);
    EXPECT_EQ(check.report(), c.findings + check.summary() + "\n");
    EXPECT_EQ(check.wouldStart(), c.starts);
    EXPECT_EQ(check.entries(), c.entries);
    EXPECT_EQ(check.askable(), c.askable);
}

// The check and the start-up agree on whether the program starts, and the
// start-up's own message is among the errors (the fuzz target's property).
TEST_P(BankCheckReport, AgreesWithTheStartup)
{
    const CheckCase &c = GetParam();
    if (!c.a || !c.ad)
        GTEST_SKIP() << "the property covers files that exist";
    const auto length = quint16(c.a->size());
    const QByteArray input = QByteArray(1, char(length & 0xFF)) + char(length >> 8) + *c.a + *c.ad;
    ASSERT_EQ(BankProperty::split(input).a, *c.a);
    EXPECT_EQ(BankProperty::check(input), QString());
}

const QByteArray kSkips = lines(5, "9|0|0|0|0|0|0|");
const QString kTooFew = "AD.zel: The question bank has fewer than two questions that can be asked. "
                        "Check the files A.zel and AD.zel beside the program.\n";

INSTANTIATE_TEST_SUITE_P(
    Banks, BankCheckReport,
    ::testing::Values(
        CheckCase{"clean", texts(7), kTwoQuestions + kSkips, true, 7, 2, ""},
        CheckCase{"every_error_is_listed_with_the_startup_message", texts(3),
                  "5|12|\r\nx|1|2|3|4|5|6|\r\n4|1|2|3|601|0|0|\r\n", false, 3, 0,
                  "AD.zel:1: Overflow.\nAD.zel:2: Error occured! #13: Type mismatch\n"
                  "AD.zel:3: Subscript out of Range.\n"},
        CheckCase{"missing_files", std::nullopt, std::nullopt, false, 0, 0,
                  "A.zel: Error Loading From File.\nAD.zel: Error Loading From File.\n"},
        CheckCase{"missing_texts_still_checks_entries", std::nullopt, "5|12|\r\n4|1|2|3|4|5|6|\r\n",
                  false, 2, 0, "A.zel: Error Loading From File.\nAD.zel:1: Overflow.\n"},
        CheckCase{"line_601_of_either_file", texts(601), lines(601, "4|1|2|3|4|5|6|"), false, 601,
                  600, "A.zel:601: Subscript out of Range.\nAD.zel:601: Subscript out of Range.\n"},
        CheckCase{"texts_without_entry_lines", texts(9), kTwoQuestions + kSkips, true, 7, 4,
                  "A.zel:8: warning: A.zel has 9 lines but AD.zel only 7: texts 8 to 9 have no "
                  "entry line, so they are asked without a wording and with six empty answers\n"},
        CheckCase{"an_empty_last_line_of_texts", texts(7) + "\r\n", kTwoQuestions + kSkips, true, 7,
                  3,
                  "A.zel:8: warning: A.zel has 8 lines but AD.zel only 7: text 8 has no entry "
                  "line, so it is asked without a wording and with six empty answers\n"},
        CheckCase{"entry_lines_without_texts", texts(7),
                  kTwoQuestions + kSkips + "5|12|\r\n11|1|2|3|4|5|6|\r\n", false, 9, 2,
                  "AD.zel:8: Overflow.\nAD.zel:8: warning: AD.zel has 9 lines but A.zel only 7: "
                  "entries 8 to 9 are never asked\n"},
        CheckCase{"text_numbers_above_the_last_text", texts(7),
                  "4|1|2|3|45|0|0|\r\n4|1|2|3|4|5|8|\r\n" + kSkips, true, 7, 2,
                  "AD.zel:1: warning: wrong answer 3 is text 45, above the last line of A.zel "
                  "(7), so it is empty\nAD.zel:1: warning: the six answers are not all "
                  "different: wrong answer 3, wrong answer 4 and wrong answer 5 are all empty\n"
                  "AD.zel:2: warning: wrong answer 5 is text 8, above the last line of A.zel "
                  "(7), so it is empty\n"},
        CheckCase{"the_same_text_on_two_buttons",
                  "Red\r\nBlue\r\nRed\r\nGreen\r\nWhite\r\nBlack\r\n\"Salt\"\nand pepper\r\n",
                  "4|1|2|3|4|5|6|\r\n4|1|2|7|7|0|0|\r\n" + kSkips, true, 7, 2,
                  "AD.zel:1: warning: the six answers are not all different: the right answer "
                  "and wrong answer 2 are the same text \"Red\"\nAD.zel:2: warning: the six "
                  "answers are not all different: wrong answer 2 and wrong answer 3 are the same "
                  "text \"\"Salt\" and pepper\"; wrong answer 4 and wrong answer 5 are both "
                  "empty\n"},
        CheckCase{"categories_without_wording", texts(7),
                  "11|2|3|4|5|6|7|\r\n|2|3|4|5|6|7|\r\n22|2|3|4|5|6|7|\r\n 0 |2|3|4|5|6|7|\r\n" +
                      lines(3, "9|0|0|0|0|0|0|"),
                  true, 7, 4,
                  "AD.zel:1: warning: category 11 is unknown (1 to 10, or 22 for none), so the "
                  "question is asked without a wording\nAD.zel:2: warning: the category field is "
                  "empty, so the question is asked without a wording\nAD.zel:4: warning: "
                  "category 0 is unknown (1 to 10, or 22 for none), so the question is asked "
                  "without a wording\n"},
        CheckCase{"nine_as_a_number_is_a_skip_line_too", texts(7),
                  kTwoQuestions + " 9|0|0|0|0|0|0|\r\n09|1|1|1|1|1|1|\r\nno bars\r\n\r\n9|x\r\n",
                  true, 7, 2, ""},
        CheckCase{"fewer_than_two_questions", texts(7),
                  "3|2|3|4|5|6|7|\r\n" + lines(6, "9|0|0|0|0|0|0|"), false, 7, 1, kTooFew},
        CheckCase{"a_broken_line_might_be_the_second_question", texts(7),
                  "3|2|3|4|5|6|7|\r\n4|1|3|4|5|6|x|\r\n" + kSkips, false, 7, 1,
                  "AD.zel:2: Error occured! #13: Type mismatch\n"},
        CheckCase{"empty_files", "", "", false, 0, 0, kTooFew}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(BankCheckSummary, CountsAndVerdict)
{
    const BankCheck bad = BankCheck::ofContents(texts(1) + "\r\n", "5|12|\r\n");
    EXPECT_EQ(bad.summary(), "1 entry, 1 askable, 1 error, 1 warning: the program does not start "
                             "on this bank");
}

TEST(BankCheckFolder, ReadsTheFilesAsTheStartupDoes)
{
    TempDir dir;
    dir.write("A.zel", texts(7));
    ASSERT_TRUE(QDir(dir.path()).mkdir("AD.zel"));
    const BankCheck check = BankCheck::ofFolder(dir.path());
    ASSERT_EQ(check.findings().size(), 1u);
    // A folder in place of the file exists, but cannot be read.
    EXPECT_EQ(check.findings()[0].text(dir.path()),
              dir.file("AD.zel") + ": Error occured! #75: Path/File access error");
    EXPECT_FALSE(check.wouldStart());
}

} // namespace
