#include "core/quiz/BankLoader.h"
#include "core/common/RunTimeError.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

const Wordings kWordings = standardWordings();

// Text number i of these files reads "T<i>".
QByteArray texts(int count, const char *lineEnd = "\r\n")
{
    QByteArray out;
    for (int i = 1; i <= count; ++i)
        out += "T" + QByteArray::number(i) + lineEnd;
    return out;
}

struct LoadCase {
    const char *name;
    QByteArray a;
    QByteArray ad;
    int error; // 0: loads
    std::function<void(const QuestionBank &)> check;
};

void expectAnswers(const BankEntry &e, const QStringList &answers)
{
    ASSERT_EQ(answers.size(), 6);
    for (int k = 0; k < 6; ++k)
        EXPECT_EQ(e.Answer[k], answers[k]) << "answer " << k + 1;
}

const QStringList kNoAnswers = {"", "", "", "", "", ""};

class LoadBank : public ::testing::TestWithParam<LoadCase> {};

TEST_P(LoadBank, FromRealFiles)
{
    const LoadCase &c = GetParam();
    TempDir dir;
    dir.write("A.zel", c.a);
    dir.write("AD.zel", c.ad);
    if (c.error != 0) {
        try {
            BankLoader::LoadBank(dir.file("A.zel"), dir.file("AD.zel"), kWordings);
            ADD_FAILURE() << "loaded, expected error " << c.error;
        } catch (const RunTimeError &e) {
            EXPECT_EQ(e.number(), c.error);
        }
        return;
    }
    const QuestionBank bank =
        BankLoader::LoadBank(dir.file("A.zel"), dir.file("AD.zel"), kWordings);
    c.check(bank);
}

INSTANTIATE_TEST_SUITE_P(
    Files, LoadBank,
    ::testing::Values(
        LoadCase{"full_line", texts(7), "3|2|3|4|5|6|7|\r\n", 0,
                 [](const QuestionBank &b) {
                     EXPECT_EQ(b.ACount, 7);
                     EXPECT_EQ(b.ADCount, 1);
                     EXPECT_EQ(b.Bank[1].Wording, "What's The Definition of:");
                     expectAnswers(b.Bank[1], {"T2", "T3", "T4", "T5", "T6", "T7"});
                 }},
        LoadCase{"skip_lines", texts(4), "\r\nplain words\r\n9|1|2|3|4|5|6|\r\n9 and more\r\n", 0,
                 [](const QuestionBank &b) {
                     for (int j = 1; j <= 4; ++j) {
                         EXPECT_TRUE(b.Bank[j].isSkip()) << j;
                         expectAnswers(b.Bank[j], kNoAnswers);
                     }
                 }},
        LoadCase{"blank_nine_is_a_skip_category_with_valid_numbers", texts(7),
                 " 9|2|3|4|5|6|7|\r\n", 0,
                 [](const QuestionBank &b) {
                     EXPECT_TRUE(b.Bank[1].isSkip());
                     expectAnswers(b.Bank[1], {"T2", "T3", "T4", "T5", "T6", "T7"});
                 }},
        LoadCase{"blank_nine_still_checks_its_numbers",
                 texts(7),
                 " 9|601|3|4|5|6|7|\r\n",
                 RunTimeError::SubscriptOutOfRange,
                 {}},
        LoadCase{"category_as_number", texts(3),
                 " 3|1|0|0|0|0|0|\r\n03|1|0|0|0|0|0|\r\n"
                 "10|1|0|0|0|0|0|\r\n",
                 0,
                 [](const QuestionBank &b) {
                     EXPECT_EQ(b.Bank[1].Wording, "What's The Definition of:");
                     EXPECT_EQ(b.Bank[2].Wording, "What's The Definition of:");
                     EXPECT_EQ(b.Bank[3].Wording, "What Is Used for:");
                 }},
        LoadCase{"no_wording_categories", texts(3),
                 "11|1|0|0|0|0|0|\r\n22|1|0|0|0|0|0|\r\n"
                 "|1|0|0|0|0|0|\r\n",
                 0,
                 [](const QuestionBank &b) {
                     for (int j = 1; j <= 3; ++j) {
                         EXPECT_TRUE(b.Bank[j].Wording.isEmpty()) << j;
                         EXPECT_FALSE(b.Bank[j].isSkip()) << j;
                         EXPECT_EQ(b.Bank[j].Answer[0], "T1");
                     }
                 }},
        LoadCase{"zero_answers", texts(1), "3|0|0|0|0|0|0|\r\n", 0,
                 [](const QuestionBank &b) {
                     EXPECT_EQ(b.Bank[1].Wording, "What's The Definition of:");
                     expectAnswers(b.Bank[1], kNoAnswers);
                 }},
        LoadCase{"text_after_seventh_separator_ignored", texts(30), "4|12|7|9|30|2|5|more text\r\n",
                 0,
                 [](const QuestionBank &b) {
                     expectAnswers(b.Bank[1], {"T12", "T7", "T9", "T30", "T2", "T5"});
                 }},
        LoadCase{"blanks_around_text_numbers", texts(3), "1| 2 |3|  |0|0|0|\r\n", 0,
                 [](const QuestionBank &b) {
                     expectAnswers(b.Bank[1], {"T2", "T3", "", "", "", ""});
                 }},
        LoadCase{"numbers_above_acount_are_empty", texts(2), "1|600|2|0|0|0|0|\r\n", 0,
                 [](const QuestionBank &b) {
                     expectAnswers(b.Bank[1], {"", "T2", "", "", "", ""});
                 }},
        LoadCase{"text_number_601",
                 texts(2),
                 "1|601|2|0|0|0|0|\r\n",
                 RunTimeError::SubscriptOutOfRange,
                 {}},
        LoadCase{"negative_text_number",
                 texts(2),
                 "1|-1|2|0|0|0|0|\r\n",
                 RunTimeError::SubscriptOutOfRange,
                 {}},
        LoadCase{"too_few_separators", texts(12), "5|12|\r\n", RunTimeError::Overflow, {}},
        LoadCase{"six_separators", texts(12), "5|1|2|3|4|5\r\n", RunTimeError::Overflow, {}},
        LoadCase{"category_not_a_number",
                 texts(2),
                 "x|1|2|0|0|0|0|\r\n",
                 RunTimeError::TypeMismatch,
                 {}},
        LoadCase{"text_number_not_a_number",
                 texts(2),
                 "1|1|two|0|0|0|0|\r\n",
                 RunTimeError::TypeMismatch,
                 {}},
        LoadCase{"text_number_too_big_for_32_bits",
                 texts(2),
                 "1|99999999999|0|0|0|0|0|\r\n",
                 RunTimeError::Overflow,
                 {}},
        LoadCase{"exactly_600_lines", texts(600), QByteArray("1|2|0|0|0|0|0|\r\n").repeated(600), 0,
                 [](const QuestionBank &b) {
                     EXPECT_EQ(b.ACount, 600);
                     EXPECT_EQ(b.ADCount, 600);
                     EXPECT_EQ(b.ALines[600], "T600");
                 }},
        LoadCase{"a_601st_line", texts(600) + "\r\n", "", RunTimeError::SubscriptOutOfRange, {}},
        LoadCase{"a_601st_entry_line",
                 texts(2),
                 QByteArray("\r\n").repeated(601),
                 RunTimeError::SubscriptOutOfRange,
                 {}},
        LoadCase{"empty_files", "", "", 0,
                 [](const QuestionBank &b) {
                     EXPECT_EQ(b.ACount, 0);
                     EXPECT_EQ(b.ADCount, 0);
                 }},
        LoadCase{"extra_line_end_counts", texts(2) + "\r\n", "1|1|0|0|0|0|0|\r\n\r\n", 0,
                 [](const QuestionBank &b) {
                     EXPECT_EQ(b.ACount, 3);
                     EXPECT_EQ(b.ALines[3], "");
                     EXPECT_EQ(b.ADCount, 2);
                     EXPECT_TRUE(b.Bank[2].isSkip());
                 }},
        LoadCase{"cr_only_line_ends", texts(3, "\r"), "1|2|3|0|0|0|0|\r2|1|0|0|0|0|0|\r", 0,
                 [](const QuestionBank &b) {
                     EXPECT_EQ(b.ACount, 3);
                     EXPECT_EQ(b.ADCount, 2);
                     EXPECT_EQ(b.Bank[2].Answer[0], "T1");
                 }},
        LoadCase{"lone_lf_kept_inside_a_text", "first\nsecond\r\nT2\r\n", "1|1|2|0|0|0|0|\r\n", 0,
                 [](const QuestionBank &b) {
                     EXPECT_EQ(b.ACount, 2);
                     EXPECT_EQ(b.Bank[1].Answer[0], "first\nsecond");
                 }},
        LoadCase{"more_texts_than_entries", texts(5), "1|2|3|4|5|1|2|\r\n", 0,
                 [](const QuestionBank &b) {
                     EXPECT_EQ(b.ADCount, 1);
                     EXPECT_TRUE(b.Bank[4].Wording.isEmpty());
                     expectAnswers(b.Bank[4], kNoAnswers);
                     EXPECT_EQ(b.askableCount(), 5);
                 }}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(LoadBankFiles, MissingFileIsFileNotFound)
{
    TempDir dir;
    dir.write("A.zel", texts(2));
    for (const char *missing : {"AD.zel", "A.zel"}) {
        QFile::remove(dir.file(missing));
        try {
            BankLoader::LoadBank(dir.file("A.zel"), dir.file("AD.zel"), kWordings);
            ADD_FAILURE() << missing;
        } catch (const RunTimeError &e) {
            EXPECT_EQ(e.number(), RunTimeError::FileNotFound) << missing;
        }
    }
}

// The seven fields must end within the first 32767 characters, the range
// of the old 16-bit position counter.
TEST(GetField, PositionBound)
{
    const QString head = QStringLiteral("1|2|3|4|5|6|");
    const QString endsAt32767 = head + QString(32767 - head.size() - 1, QLatin1Char('x')) + '|';
    ASSERT_EQ(endsAt32767.size(), 32767);
    EXPECT_EQ(BankLoader::GetField('G', endsAt32767).size(), 32767 - head.size() - 1);

    const QString endsAt32768 = head + QString(32767 - head.size(), QLatin1Char('x')) + '|';
    EXPECT_THROW(BankLoader::GetField('A', endsAt32768), RunTimeError);

    // A skip line without any separator is bounded the same way.
    EXPECT_EQ(BankLoader::GetField('A', QString(32766, QLatin1Char('x'))), "9");
    EXPECT_THROW(BankLoader::GetField('A', QString(32767, QLatin1Char('x'))), RunTimeError);
}

TEST(GetField, LettersAndSkipLines)
{
    const QString line = QStringLiteral("4|12|7|9|30|2|5|tail");
    const QStringList expected = {"4", "12", "7", "9", "30", "2", "5"};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(BankLoader::GetField(QChar('A' + i), line), expected[i]);
    EXPECT_EQ(BankLoader::GetField('H', line), "");
    EXPECT_EQ(BankLoader::GetField('A', "9|x"), "9");
    EXPECT_EQ(BankLoader::GetField('C', "9|x"), "0");
    EXPECT_EQ(BankLoader::GetField('B', ""), "0");
}

} // namespace
