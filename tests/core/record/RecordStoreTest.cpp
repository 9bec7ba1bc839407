#include "core/record/RecordStore.h"
#include "core/record/QuestionKey.h"
#include "core/record/RecordCsv.h"
#include "core/record/ReviewPicker.h"
#include "support/CaseName.h"
#include "support/OlderRecord.h"
#include "support/QtPrinters.h"
#include "support/TempDir.h"
#include "tests/core/SessionFixture.h"

#include <QBuffer>

namespace {

AnswerEvent event(const QString &subject, AnswerOutcome outcome, const QDateTime &at,
                  const QString &wording = QStringLiteral("What Term means:"))
{
    const std::array<QString, 6> answers = {subject + QStringLiteral(" answer")};
    return {QuestionKey::of(wording, subject, answers),
            wording,
            subject,
            answers[0],
            RecordedQuiz::Standard,
            outcome,
            at,
            1500};
}

class RecordStoreTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_EQ(store.open().status, RecordStore::Status::Ready); }
    void record(const QString &subject, AnswerOutcome outcome, qint64 daysAgo = 0)
    {
        ASSERT_EQ(failureText(store.record(event(subject, outcome, now.addDays(-daysAgo)))),
                  QString());
    }
    TempDir dir;
    QDateTime now = QDateTime::currentDateTime();
    RecordStore store{dir.file(QStringLiteral("data/record.sqlite"))};
};

using O = AnswerOutcome;

// Due after a first-try miss, off the list after two first-try hits in a
// row; second tries, a revealed answer and "Next" leave it as it is.
TEST_F(RecordStoreTest, DueListFollowsFirstTries)
{
    const std::vector<std::pair<std::vector<O>, DueState>> cases = {
        {{O::FirstRight}, {1, false}},
        {{O::FirstWrong}, {0, true}},
        {{O::FirstWrong, O::SecondRight, O::ShowCorrect, O::Next}, {0, true}},
        {{O::FirstWrong, O::FirstRight}, {1, true}},
        {{O::FirstWrong, O::FirstRight, O::FirstRight}, {2, false}},
        {{O::FirstWrong, O::FirstRight, O::FirstWrong, O::FirstRight}, {1, true}},
        {{O::FirstRight, O::FirstRight, O::FirstWrong}, {0, true}},
        {{O::FirstWrong, O::FirstWrong, O::FirstRight, O::FirstRight, O::FirstRight}, {3, false}},
    };
    for (std::size_t c = 0; c < cases.size(); ++c) {
        const QString subject = QStringLiteral("Q%1").arg(c);
        for (O o : cases[c].first)
            record(subject, o);
        DueState got;
        for (const DueItem &item : store.dueItems())
            if (item.key == event(subject, O::Next, now).key)
                got = {item.streak, true};
        if (!got.due)
            got.streak = cases[c].second.streak;
        EXPECT_EQ(got, cases[c].second) << "case " << c;
    }
    // Most often missed first.
    ASSERT_FALSE(store.dueItems().empty());
    EXPECT_EQ(store.dueItems().front().missed, 2);
    EXPECT_EQ(store.answerCount(), 23);
}

TEST_F(RecordStoreTest, StatisticsOfAKnownHistory)
{
    record(QStringLiteral("A"), O::FirstWrong);
    record(QStringLiteral("A"), O::SecondRight);
    record(QStringLiteral("A"), O::FirstRight);
    record(QStringLiteral("B"), O::FirstRight, 3);
    record(QStringLiteral("B"), O::FirstRight, 10);
    record(QStringLiteral("C"), O::FirstWrong, 40);
    ASSERT_EQ(failureText(store.record(event(QStringLiteral("D"), O::FirstRight, now,
                                             QStringLiteral("What Are Examples of:")))),
              QString());

    const RecordStatistics st = store.statistics(now);
    EXPECT_EQ(st.today, (Tally{3, 2}));
    EXPECT_EQ(st.lastSevenDays, (Tally{4, 3}));
    EXPECT_EQ(st.allTime, (Tally{6, 4}));
    ASSERT_EQ(st.byWording.size(), 9u);
    EXPECT_EQ(st.byWording[1], (std::pair{QStringLiteral("What Are Examples of:"), Tally{1, 1}}));
    EXPECT_EQ(st.byWording[3], (std::pair{QStringLiteral("What Term means:"), Tally{5, 3}}));
    EXPECT_EQ(st.byDay[29], (Tally{3, 2}));
    EXPECT_EQ(st.byDay[26], (Tally{1, 1}));
    EXPECT_EQ(st.byDay[19], (Tally{1, 1}));
    QStringList weakest;
    for (const WeakQuestion &w : st.weakest)
        weakest << w.subject + QStringLiteral(" %1/%2").arg(w.tally.right).arg(w.tally.asked);
    EXPECT_EQ(weakest, (QStringList{"C 0/1", "A 1/2", "B 2/2", "D 1/1"}));
    EXPECT_EQ(accuracyPercent(st.allTime), 67);

    ASSERT_EQ(failureText(store.clear()), QString());
    EXPECT_EQ(store.statistics(now).allTime, Tally{});
}

// The key follows the question's texts, not its place in the bank.
struct KeyCase {
    const char *name;
    QStringList texts, entries;
    bool same;
};
class QuestionKeyAfter : public ::testing::TestWithParam<KeyCase> {};

TEST_P(QuestionKeyAfter, SurvivesABankThatKeepsTheQuestion)
{
    const KeyCase &c = GetParam();
    const QuestionBank before = bankOf(6, {"4|1|2|3|4|5|6|", "3|2|1|3|4|5|6|"});
    const QuestionBank after = BankLoader::buildBank(c.texts, c.entries, standardWordings());
    const int entry = c.texts.front() == QLatin1String("X") ? 2 : 1;
    EXPECT_EQ(QuestionKey::ofEntry(after, entry) == QuestionKey::ofEntry(before, 1), c.same);
}

const KeyCase kKeyCases[] = {
    {"moved_to_another_line",
     {"X", "T1", "T2", "T3", "T4", "T5", "T6"},
     {"1|1|1|1|1|1|1|", "4|2|3|4|5|6|7|"},
     true},
    {"other_category", {"T1", "T2", "T3", "T4", "T5", "T6"}, {"04|1|2|3|4|5|6|"}, true},
    {"a_wrong_answer_changed", {"T1", "T2", "T3", "T4", "T5", "T6x"}, {"4|1|2|3|4|5|6|"}, false},
    {"answers_in_another_order", {"T1", "T2", "T3", "T4", "T5", "T6"}, {"4|1|3|2|4|5|6|"}, false},
    {"another_wording", {"T1", "T2", "T3", "T4", "T5", "T6"}, {"3|1|2|3|4|5|6|"}, false},
};
INSTANTIATE_TEST_SUITE_P(Banks, QuestionKeyAfter, ::testing::ValuesIn(kKeyCases), CaseName());

TEST(ReviewPickerTest, MostMissedFirstAndNeverTwiceInARow)
{
    const QuestionBank bank =
        bankOf(4, {"4|1|2|2|2|2|2|", "4|2|1|1|1|1|1|", "4|3|1|1|1|1|1|", "4|4|1|1|1|1|1|"});
    const QByteArray gone = "not in this bank";
    ReviewPicker picker(bank, {{QuestionKey::ofEntry(bank, 3), 5, 0},
                               {gone, 9, 0},
                               {QuestionKey::ofEntry(bank, 1), 2, 0},
                               {QuestionKey::ofEntry(bank, 2), 2, 1}});
    EXPECT_EQ(picker.dueCount(), 3);
    QList<int> order;
    int last = 0;
    for (int i = 0; i < 4; ++i)
        order << (last = picker.pickEntry(last));
    EXPECT_EQ(order, (QList<int>{3, 1, 3, 1}));
    picker.noteFirstTry(3, true);
    picker.noteFirstTry(3, true);
    EXPECT_EQ(picker.pickEntry(1), 2);
    picker.noteFirstTry(1, true);
    picker.noteFirstTry(2, true);
    EXPECT_EQ(picker.dueCount(), 1);
    EXPECT_EQ(picker.pickEntry(1), 1) << "a single due question may come again";
}

struct CsvCase {
    const char *name;
    QString text, csv;
};
class RecordCsvField : public ::testing::TestWithParam<CsvCase> {};

TEST_P(RecordCsvField, BankTextsAreSafeInASpreadsheet)
{
    EXPECT_EQ(RecordCsv::field(GetParam().text), GetParam().csv);
}

// Every field is quoted, so that a spreadsheet splitting on ";" or a tab
// never sees a cell begin inside a text; a text that would start a formula,
// blanks before it included, gets a leading apostrophe.
const CsvCase kCsvCases[] = {{"plain", "plain", "\"plain\""},
                             {"comma", "a, b", "\"a, b\""},
                             {"quotes", "say \"hi\"", "\"say \"\"hi\"\"\""},
                             {"line_end", "two\r\nlines", "\"two\r\nlines\""},
                             {"formula", "=1+2", "\"'=1+2\""},
                             {"plus", "+x", "\"'+x\""},
                             {"minus_and_comma", "-x,y", "\"'-x,y\""},
                             {"at_sign", "@SUM(A1)", "\"'@SUM(A1)\""},
                             {"tab", "\t=1", "\"'\t=1\""},
                             {"carriage_return", "\r=1", "\"'\r=1\""},
                             {"blank_then_formula", "  =1+1", "\"'  =1+1\""},
                             {"semicolon_cell", "Etiolation ;=2+3;", "\"Etiolation ;=2+3;\""},
                             {"blanks_only", "  ", "\"  \""},
                             {"umlaut", "Ärger", "\"Ärger\""},
                             {"empty", "", "\"\""}};
INSTANTIATE_TEST_SUITE_P(Texts, RecordCsvField, ::testing::ValuesIn(kCsvCases), CaseName());

TEST_F(RecordStoreTest, ExportsEveryAnswerWithAHeader)
{
    const QDateTime at(QDate(2026, 1, 2), QTime(3, 4, 5, 6), Qt::UTC);
    ASSERT_EQ(failureText(store.record(event(QStringLiteral("=cmd, \"x\""), O::FirstWrong, at))),
              QString());
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    ASSERT_EQ(failureText(store.exportCsv(out)), QString());
    const QList<QByteArray> lines = out.data().split('\n');
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0], "\"time\",\"quiz\",\"answer\",\"duration_ms\",\"wording\",\"subject\","
                        "\"right_answer\",\"question\",\"stability_days\",\"difficulty\","
                        "\"last_review\",\"next_due\"\r");
    // A first miss: the first stability and difficulty of FSRS-6, back the next day.
    EXPECT_TRUE(lines[1].endsWith(
        ",\"0.2120\",\"6.4133\",\"2026-01-02T03:04:05.006Z\",\"" +
        at.toLocalTime().date().addDays(1).toString(Qt::ISODate).toUtf8() + "\"\r"))
        << lines[1].toStdString();
    EXPECT_TRUE(lines[1].startsWith("\"2026-01-02T03:04:05.006Z\",\"Standard\",\"wrong\",\"1500\","
                                    "\"What Term means:\",\"'=cmd, \"\"x\"\"\",\"'=cmd, \"\"x\"\" "
                                    "answer\","))
        << lines[1].toStdString();
}

// A record of the first schema gains the totals per day of its answers.
TEST_F(RecordStoreTest, AnOlderRecordKeepsItsDays)
{
    record(QStringLiteral("A"), O::FirstWrong);
    record(QStringLiteral("A"), O::SecondRight);
    record(QStringLiteral("B"), O::FirstRight, 3);
    const RecordStatistics before = store.statistics(now);
    ASSERT_TRUE(setBackRecord(store.path(), QStringLiteral("day_totals"), 3));
    RecordStore reopened(store.path());
    ASSERT_EQ(reopened.open().status, RecordStore::Status::Ready);
    EXPECT_EQ(reopened.statistics(now).byDay, before.byDay);
    EXPECT_EQ(before.byDay[29], (Tally{1, 0}));
    EXPECT_EQ(before.byDay[26], (Tally{1, 1}));
}

// Stopped half way, an export says so (the progress window then removes
// the unfinished file).
TEST_F(RecordStoreTest, AnExportStopsWhenCancelled)
{
    for (int i = 0; i < 1000; ++i)
        record(QStringLiteral("Q%1").arg(i % 7), O::FirstRight);
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    EXPECT_EQ(failureText(store.exportCsv(out, [](qint64) { return false; })),
              "the export was cancelled");
}

} // namespace
