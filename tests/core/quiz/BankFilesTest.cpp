// The two bank files as the start-up loads them and as the bank check
// reports on them for their authors.
#include "core/common/Error.h"
#include "core/quiz/BankCheck.h"
#include "core/quiz/BankLoader.h"
#include "support/CaseName.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <optional>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

using Bytes = std::optional<QByteArray>; // nullopt: the file is missing

QByteArray lines(int count, const QByteArray &line)
{
    return (line + "\r\n").repeated(count);
}

// Text number i of these files reads "T<i>".
QByteArray texts(int count, const char *lineEnd = "\r\n")
{
    QByteArray out;
    for (int i = 1; i <= count; ++i)
        out += "T" + QByteArray::number(i) + lineEnd;
    return out;
}

// The bank as the quiz sees it: the line counts of both files and the
// askable entries, then entry by entry its wording and six answers; or the
// number of the failure that stops the start-up.
QString loaded(const Bytes &a, const Bytes &ad, int entries)
{
    TempDir dir;
    if (a)
        dir.write("A.zel", *a);
    if (ad)
        dir.write("AD.zel", *ad);
    try {
        const QuestionBank b =
            BankLoader::load(dir.file("A.zel"), dir.file("AD.zel"), standardWordings());
        QString out =
            QStringLiteral("%1 %2 %3").arg(b.textCount).arg(b.entryCount).arg(b.askableCount());
        for (int j = 1; j <= entries; ++j) {
            const auto answers = b.answers(j);
            out += " / " + b.entries[j].wording + '|' +
                   QStringList(answers.begin(), answers.end()).join('|');
        }
        return out;
    } catch (const Error &e) {
        return QStringLiteral("error %1").arg(e.code());
    }
}

struct LoadCase {
    const char *name;
    Bytes a, ad;
    QString shown;
};
class LoadBankFiles : public ::testing::TestWithParam<LoadCase> {};

TEST_P(LoadBankFiles, GiveTheBankOrTheFailure)
{
    const LoadCase &c = GetParam();
    EXPECT_EQ(loaded(c.a, c.ad, int(c.shown.count(" / "))), c.shown);
}

const LoadCase kLoadCases[] = {
    // Text after the seventh separator is no field.
    {"full_line", texts(7), "3|2|3|4|5|6|7|more text\r\n",
     "7 1 7 / What's The Definition of:|T2|T3|T4|T5|T6|T7"},
    {"skip_lines", texts(4), "\r\nplain words\r\n9|1|2|3|4|5|6|\r\n9 and more\r\n",
     "4 4 0 / Skip|||||| / Skip|||||| / Skip|||||| / Skip||||||"},
    // Only "9" alone is a skip line; " 9" is the skip category, whose
    // numbers are read as on any other line.
    {"blank_nine_category", texts(7), " 9|2|3|4|5|6|7|\r\n", "7 1 6 / Skip|T2|T3|T4|T5|T6|T7"},
    {"blank_nine_checks_numbers", texts(7), " 9|601|3|4|5|6|7|\r\n", "error 9"},
    {"category_as_number", texts(3), " 3|1|0|0|0|0|0|\r\n03|0|0|0|0|0|0|\r\n10|1|0|0|0|0|0|\r\n",
     "3 3 3 / What's The Definition of:|T1||||| / What's The Definition of:|||||| / What Is "
     "Used for:|T1|||||"},
    {"no_wording_categories", texts(3), "11|1|0|0|0|0|0|\r\n22|1|0|0|0|0|0|\r\n|1|0|0|0|0|0|\r\n",
     "3 3 3 / |T1||||| / |T1||||| / |T1|||||"},
    // Blanks around a number are allowed; a number past the last text
    // stands for an empty one.
    {"blanks_and_numbers_past_texts", texts(2), "4| 2 |600|  |0|0|0|\r\n",
     "2 1 2 / What Term means:|T2|||||"},
    {"negative_text_number", texts(2), "4|-1|2|0|0|0|0|\r\n", "error 9"},
    {"number_past_32_bits", texts(2), "4|99999999999|0|0|0|0|0|\r\n", "error 6"},
    {"exactly_600_lines", texts(600), lines(600, "4|600|0|0|0|0|0|"),
     "600 600 600 / What Term means:|T600|||||"},
    {"a_601st_text_line", texts(600) + "\r\n", "", "error 9"},
    // A text is at most as long as a line the entry reader can count.
    {"longest_text", QByteArray(32767, 'x'), "", "1 0 1"},
    {"text_too_long", texts(1) + QByteArray(32768, 'x'), "", "error 6"},
    {"empty_files", "", "", "0 0 0"},
    {"extra_line_end_counts", texts(2) + "\r\n", "4|1|0|0|0|0|0|\r\n\r\n",
     "3 2 2 / What Term means:|T1||||| / Skip||||||"},
    {"cr_only_line_ends", texts(3, "\r"), "4|2|3|0|0|0|0|\r2|1|0|0|0|0|0|\r",
     "3 2 3 / What Term means:|T2|T3|||| / What Are Examples of:|T1|||||"},
    // A text without an entry line is asked bare.
    {"more_texts_than_entries", texts(5), "4|2|3|4|5|1|2|\r\n",
     "5 1 5 / What Term means:|T2|T3|T4|T5|T1|T2 / ||||||"},
    {"missing_entries_file", texts(2), std::nullopt, "error 53"},
};
INSTANTIATE_TEST_SUITE_P(Files, LoadBankFiles, ::testing::ValuesIn(kLoadCases), CaseName());

// The seven fields must end within the first 32767 characters, the range
// of the old 16-bit position counter.
TEST(field, PositionBoundAndLetters)
{
    const QString head = QStringLiteral("1|2|3|4|5|6|");
    const QString endsAt32767 = head + QString(32767 - head.size() - 1, QLatin1Char('x')) + '|';
    ASSERT_EQ(endsAt32767.size(), 32767);
    EXPECT_EQ(BankLoader::field('G', endsAt32767)->size(), 32767 - head.size() - 1);
    const Error overflow(ErrorNumber::Overflow);
    EXPECT_EQ(BankLoader::field('A', head + QString(32767 - head.size(), 'x') + '|').error(),
              overflow);

    // A skip line without any separator is bounded the same way.
    EXPECT_EQ(*BankLoader::field('A', QString(32766, QLatin1Char('x'))), "9");
    EXPECT_EQ(BankLoader::field('A', QString(32767, QLatin1Char('x'))).error(), overflow);
    // The loader reads fields A to G; any other letter gives nothing.
    EXPECT_EQ(*BankLoader::field('H', "4|12|7|9|30|2|5|tail"), "");
}

const QByteArray kTwoQuestions = "3|2|3|4|5|6|7|\r\n4|1|3|4|5|6|7|\r\n";
const QByteArray kSkips = lines(5, "9|0|0|0|0|0|0|");
const QString kTooFew = "AD.zel: The question bank has fewer than two questions that can be asked. "
                        "Check the files A.zel and AD.zel beside the program.\n";

// Every finding on a line of its own, in file order, then the summary. The
// errors are worded as the start-up reports them.
struct CheckCase {
    const char *name;
    Bytes a, ad;
    bool starts;
    int entries, askable;
    QString findings;
};
class BankCheckContents : public ::testing::TestWithParam<CheckCase> {};

TEST_P(BankCheckContents, ListEveryFindingInFileOrder)
{
    const CheckCase &c = GetParam();
    const BankCheck check = BankCheck::ofContents(c.a, c.ad);
    EXPECT_EQ(check.report(), c.findings + check.summary() + "\n");
    EXPECT_EQ(check.wouldStart(), c.starts);
    EXPECT_EQ(check.entries(), c.entries);
    EXPECT_EQ(check.askable(), c.askable);
}

const CheckCase kCheckCases[] = {
    {"every_error", texts(3), "5|12|\r\nx|1|2|3|4|5|6|\r\n4|1|2|3|601|0|0|\r\n", false, 3, 0,
     "AD.zel:1: Overflow.\nAD.zel:2: Error occured! #13: Type mismatch\n"
     "AD.zel:3: Subscript out of Range.\n"},
    {"missing_files", std::nullopt, std::nullopt, false, 0, 0,
     "A.zel: Error Loading From File.\nAD.zel: Error Loading From File.\n"},
    {"entries_without_texts_file", std::nullopt, "5|12|\r\n4|1|2|3|4|5|6|\r\n", false, 2, 0,
     "A.zel: Error Loading From File.\nAD.zel:1: Overflow.\n"},
    // Reading stops where the line too many begins.
    {"line_601", texts(601), lines(601, "4|1|2|3|4|5|6|"), false, 600, 600,
     "A.zel:601: Subscript out of Range.\nAD.zel:601: Subscript out of Range.\n"},
    {"texts_past_entries", texts(9), kTwoQuestions + kSkips, true, 7, 4,
     "A.zel:8: warning: A.zel has 9 lines but AD.zel only 7: texts 8 to 9 have no "
     "entry line, so they are asked without a wording and with six empty answers\n"},
    {"empty_last_text", texts(7) + "\r\n", kTwoQuestions + kSkips, true, 7, 3,
     "A.zel:8: warning: A.zel has 8 lines but AD.zel only 7: text 8 has no entry "
     "line, so it is asked without a wording and with six empty answers\n"},
    {"entries_past_texts", texts(7), kTwoQuestions + kSkips + "5|12|\r\n11|1|2|3|4|5|6|\r\n", false,
     9, 2,
     "AD.zel:8: Overflow.\nAD.zel:8: warning: AD.zel has 9 lines but A.zel only 7: "
     "entries 8 to 9 are never asked\n"},
    {"numbers_past_texts", texts(7), "4|1|2|3|45|0|0|\r\n4|1|2|3|4|5|8|\r\n" + kSkips, true, 7, 2,
     "AD.zel:1: warning: wrong answer 3 is text 45, above the last line of A.zel "
     "(7), so it is empty\nAD.zel:1: warning: the six answers are not all "
     "different: wrong answer 3, wrong answer 4 and wrong answer 5 are all empty\n"
     "AD.zel:2: warning: wrong answer 5 is text 8, above the last line of A.zel "
     "(7), so it is empty\n"},
    {"same_text_twice", "Red\r\nBlue\r\nRed\r\nGreen\r\nWhite\r\nBlack\r\n\"Salt\"\nand pepper\r\n",
     "4|1|2|3|4|5|6|\r\n4|1|2|7|7|0|0|\r\n" + kSkips, true, 7, 2,
     "AD.zel:1: warning: the six answers are not all different: the right answer "
     "and wrong answer 2 are the same text \"Red\"\nAD.zel:2: warning: the six "
     "answers are not all different: wrong answer 2 and wrong answer 3 are the same "
     "text \"\"Salt\" and pepper\"; wrong answer 4 and wrong answer 5 are both "
     "empty\n"},
    {"no_wording", texts(7),
     "11|2|3|4|5|6|7|\r\n|2|3|4|5|6|7|\r\n22|2|3|4|5|6|7|\r\n 0 |2|3|4|5|6|7|\r\n" +
         lines(3, "9|0|0|0|0|0|0|"),
     true, 7, 4,
     "AD.zel:1: warning: category 11 is unknown (1 to 10, or 22 for none), so the "
     "question is asked without a wording\nAD.zel:2: warning: the category field is "
     "empty, so the question is asked without a wording\nAD.zel:4: warning: "
     "category 0 is unknown (1 to 10, or 22 for none), so the question is asked "
     "without a wording\n"},
    {"skip_lines", texts(7),
     kTwoQuestions + " 9|0|0|0|0|0|0|\r\n09|1|1|1|1|1|1|\r\nno bars\r\n\r\n9|x\r\n", true, 7, 2,
     ""},
    {"text_too_long", texts(6) + QByteArray(32768, 'x') + "\r\n", kTwoQuestions + kSkips, false, 7,
     2, "A.zel:7: Overflow.\n"},
    {"too_few", texts(7), "3|2|3|4|5|6|7|\r\n" + lines(6, "9|0|0|0|0|0|0|"), false, 7, 1, kTooFew},
    {"broken_second", texts(7), "3|2|3|4|5|6|7|\r\n4|1|3|4|5|6|x|\r\n" + kSkips, false, 7, 1,
     "AD.zel:2: Error occured! #13: Type mismatch\n"},
    {"empty_files", "", "", false, 0, 0, kTooFew}};
INSTANTIATE_TEST_SUITE_P(Banks, BankCheckContents, ::testing::ValuesIn(kCheckCases), CaseName());

TEST(BankCheckSummary, CountsAndVerdict)
{
    const BankCheck bad = BankCheck::ofContents(texts(1) + "\r\n", "5|12|\r\n");
    EXPECT_EQ(bad.summary(), "1 entry, 1 askable, 1 error, 1 warning: the program does not start "
                             "on this bank");
}

// What stands in place of AD.zel is judged at once, and read no further
// than the start-up reads it: not a plain file, the line too many, the
// byte limit. The check and the start-up give the same failure.
struct FolderCase {
    const char *name;
    QByteArray ad;     // "/": a folder, "|": a pipe
    qsizetype padding; // x's after ad, made only when the case runs
    QString says;
    int number, entries;
};
class BankCheckFolder : public ::testing::TestWithParam<FolderCase> {};

TEST_P(BankCheckFolder, ReadsTheFilesAsTheStartupDoes)
{
    const FolderCase &c = GetParam();
    TempDir dir;
    dir.write("A.zel", texts(7));
    if (c.ad == "/")
        ASSERT_TRUE(QDir().mkdir(dir.file("AD.zel")));
#ifndef Q_OS_WIN
    else if (c.ad == "|")
        ASSERT_EQ(::mkfifo(QFile::encodeName(dir.file("AD.zel")).constData(), 0600), 0);
#endif
    else
        dir.write("AD.zel", c.ad + QByteArray(c.padding, 'x'));
#ifndef Q_OS_WIN
    ::alarm(60); // a reader that blocks ends the test program
#endif
    const BankCheck check = BankCheck::ofFolder(dir.path());
    EXPECT_EQ(check.report(dir.path()).section('\n', 0, 0), dir.file("AD.zel") + c.says);
    EXPECT_EQ(check.entries(), c.entries);
    EXPECT_FALSE(check.wouldStart());
    try {
        (void)BankLoader::load(dir.file("A.zel"), dir.file("AD.zel"), standardWordings());
        ADD_FAILURE() << "loaded";
    } catch (const Error &e) {
        EXPECT_EQ(e.code(), c.number);
    }
#ifndef Q_OS_WIN
    ::alarm(0);
#endif
}

const QString kAccess = ": Error occured! #75: Path/File access error";
const FolderCase kFolderCases[] = {
    {"folder", "/", 0, kAccess, 75, 0},
#ifndef Q_OS_WIN
    {"pipe", "|", 0, kAccess, 75, 0},
#endif
    {"a_million_line_ends", QByteArray(1 << 20, '\r'), 0, ":601: Subscript out of Range.", 9, 600},
    {"past_the_byte_limit", "9|", QuestionBank::MaxFileBytes, ":1: Overflow.", 6, 0},
};
INSTANTIATE_TEST_SUITE_P(InPlaceOfEntries, BankCheckFolder, ::testing::ValuesIn(kFolderCases),
                         CaseName());

} // namespace
