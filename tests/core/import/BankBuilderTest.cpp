#include "core/import/BankBuilder.h"
#include "core/import/BankImport.h"
#include "core/quiz/BankCheck.h"
#include "core/quiz/BankLoader.h"
#include "support/CaseName.h"

#include <gtest/gtest.h>

#include <set>

namespace {

std::vector<ImportedQuestion> pairs(int n, const QString &topic = QString(), int wording = 0)
{
    std::vector<ImportedQuestion> out;
    for (int k = 1; k <= n; ++k)
        out.push_back({topic + QStringLiteral("term %1").arg(k),
                       topic + QStringLiteral("definition %1").arg(k),
                       {},
                       wording,
                       topic,
                       k});
    return out;
}

// Every bank within its lines and clean to the author's check.
void expectClean(const BankBuilder::Built &built)
{
    for (const BuiltBank &b : built.banks) {
        EXPECT_LE(b.aLines.size(), QuestionBank::MaxLines) << b.name.toStdString();
        const BankCheck c = BankCheck::ofContents(BankImport::fileBytes(b.aLines),
                                                  BankImport::fileBytes(b.adLines));
        EXPECT_EQ(c.report().toStdString(), c.summary().toStdString() + '\n');
    }
}

TEST(BankBuilder, ChoosesWrongAnswersFromTheSameTopicNeverTheRightOneAlwaysTheSame)
{
    std::vector<ImportedQuestion> in = pairs(7, QStringLiteral("A "));
    const std::vector<ImportedQuestion> b = pairs(7, QStringLiteral("B "));
    in.insert(in.end(), b.begin(), b.end());
    const BankBuilder::Built built = BankBuilder::build(in);
    ASSERT_EQ(built.banks.size(), 1u);
    expectClean(built);
    const BuiltBank &bank = built.banks.front();
    const QuestionBank loaded =
        BankLoader::buildBank(bank.aLines, bank.adLines, standardWordings());
    for (int j = 1; j <= 14; ++j) {
        const auto answers = loaded.answers(j);
        EXPECT_EQ(answers[0], in[std::size_t(j - 1)].right);
        const std::set<QString> distinct(answers.begin(), answers.end());
        EXPECT_EQ(distinct.size(), 6u);
        for (const QString &a : answers)
            EXPECT_EQ(a.left(2), in[std::size_t(j - 1)].topic) << a.toStdString();
    }
    EXPECT_EQ(BankBuilder::build(in).banks.front().adLines, bank.adLines);
}

TEST(BankBuilder, KeepsBarsAndTurnsLineBreaksIntoBlanks)
{
    std::vector<ImportedQuestion> in = pairs(6);
    in[0].subject = QStringLiteral("a|b\r\nc\td");
    const BankBuilder::Built built = BankBuilder::build(in);
    ASSERT_EQ(built.banks.size(), 1u);
    EXPECT_EQ(built.banks.front().aLines.front(), QStringLiteral("a|b c d"));
    expectClean(built);
}

// Questions split over banks of at most 600 lines, each clean.
struct SplitCase {
    const char *name;
    std::vector<std::pair<const char *, int>> topics; // topic, pairs in it
    const char *expected;                             // name:questions ...
};
class BankSplit : public ::testing::TestWithParam<SplitCase> {};

TEST_P(BankSplit, NamesEachBankAndLosesNoQuestion)
{
    std::vector<ImportedQuestion> in;
    for (const auto &[topic, n] : GetParam().topics) {
        const std::vector<ImportedQuestion> p = pairs(n, QString::fromUtf8(topic));
        in.insert(in.end(), p.begin(), p.end());
    }
    const BankBuilder::Built built = BankBuilder::build(in);
    QStringList shown;
    for (const BuiltBank &b : built.banks)
        shown << QStringLiteral("%1:%2").arg(b.name).arg(b.questionCount);
    EXPECT_EQ(shown.join(' ').toStdString(), GetParam().expected);
    EXPECT_TRUE(built.skipped.empty());
    expectClean(built);
}

const SplitCase kSplitCases[] = {
    {"fits_in_one", {{"", 300}}, ":300"},
    {"parts_of_equal_size", {{"", 700}}, "Part 1:238 Part 2:238 Part 3:224"},
    {"whole_topics_together", {{"A", 200}, {"B", 200}, {"C", 10}}, "A:200 B to C:210"},
    {"large_topic_in_parts", {{"A", 400}, {"B", 6}}, "A 1:300 A 2 to B:106"},
};
INSTANTIATE_TEST_SUITE_P(Imports, BankSplit, ::testing::ValuesIn(kSplitCases), CaseName());

ImportedQuestion asked(const QString &subject, const QString &right, const QStringList &wrong = {},
                       int wording = 0)
{
    ImportedQuestion q;
    q.subject = subject;
    q.right = right;
    q.wrong = wrong;
    q.wording = wording;
    return q;
}

// What a bank cannot take is reported with its line and reason.
struct RefusedCase {
    const char *name;
    ImportedQuestion question;
    const char *reason;
};
class BankRefused : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(BankRefused, SkipsTheQuestionWithItsReason)
{
    std::vector<ImportedQuestion> in = pairs(6);
    in.push_back(GetParam().question);
    in.back().line = 99;
    const BankBuilder::Built built = BankBuilder::build(in);
    ASSERT_EQ(built.skipped.size(), 1u);
    EXPECT_EQ(built.skipped.front().line, 99);
    EXPECT_EQ(built.skipped.front().reason.toStdString(), GetParam().reason);
    EXPECT_EQ(built.banks.front().questionCount, 6);
}

const RefusedCase kRefusedCases[] = {
    {"wording_9", asked("x", "y", {}, 9),
     "wording 9 means a question that is never asked; use 1 to 8 "
     "or 10"},
    {"wording_11", asked("x", "y", {}, 11), "wording 11 is not a number from 1 to 10"},
    {"no_subject", asked(" ", "y"), "no subject"},
    {"no_right_answer", asked("x", ""), "no right answer"},
    {"same_question", asked("term 2", "definition 2"), "the same question as line 2"},
    {"repeated_answer", asked("x", "y", {"z", "y"}), "the answers are not all different"},
    {"six_wrong", asked("x", "y", {"1", "2", "3", "4", "5", "6"}),
     "6 wrong answers; a bank question has at most five"},
    {"too_long", asked(QString(QuestionBank::MaxTextLength + 1, 'x'), "y"),
     "a text longer than 32767 characters"},
};
INSTANTIATE_TEST_SUITE_P(Rows, BankRefused, ::testing::ValuesIn(kRefusedCases), CaseName());

TEST(BankBuilder, MakesNoBankOfTooFewAnswersUnlessAFullQuestionLendsItsWrongOnes)
{
    std::vector<ImportedQuestion> in = pairs(3);
    const BankBuilder::Built built = BankBuilder::build(in);
    EXPECT_TRUE(built.banks.empty());
    ASSERT_EQ(built.skipped.size(), 3u);
    EXPECT_EQ(built.skipped.front().reason.toStdString(),
              "too few other answers to choose five wrong ones from");

    in.push_back({"stem", "right", {"w1", "w2", "w3"}, 0, {}, 4});
    const BankBuilder::Built lent = BankBuilder::build(in);
    EXPECT_TRUE(lent.skipped.empty());
    ASSERT_EQ(lent.banks.size(), 1u);
    EXPECT_EQ(lent.banks.front().questionCount, 4);
    expectClean(lent);
}

} // namespace
