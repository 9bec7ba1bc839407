// The practice exam's rules on the core alone: the draw, answers and flags,
// the clock, the score against the pass mark, and what the record keeps.
#include "core/exam/Exam.h"
#include "core/record/RecordStore.h"
#include "support/CaseName.h"
#include "support/OlderRecord.h"
#include "support/TempDir.h"
#include "tests/core/SessionFixture.h"

#include <set>

namespace {

// Entries 1..n; entry i has wording category (i % 3) + 1, and every fifth is
// a skip entry when asked for.
QuestionBank examBank(int n, bool withSkips)
{
    QStringList entries;
    for (int i = 1; i <= n; ++i)
        entries << QStringLiteral("%1|%2|%3|%3|%3|%3|%3|")
                       .arg(withSkips && i % 5 == 0 ? 9 : i % 3 + 1)
                       .arg(i)
                       .arg(i % n + 1);
    return bankOf(n, entries);
}

struct DrawCase {
    std::string name;
    int bankSize;
    bool skips;
    std::vector<int> excluded;
    int asked;
    int expected;
    int eligible;
};

class ExamDrawTest : public ::testing::TestWithParam<DrawCase> {};

TEST_P(ExamDrawTest, EachQuestionIsADifferentEligibleEntry)
{
    const DrawCase &c = GetParam();
    const QuestionBank bank = examBank(c.bankSize, c.skips);
    ExamSettings settings;
    settings.questions = c.asked;
    settings.excludedWordings = c.excluded;
    SeededRandom random(3);
    const Exam exam = Exam::draw(bank, random, settings);
    EXPECT_EQ(exam.count(), c.expected);
    std::set<int> entries;
    for (const ExamQuestion &q : exam.questions()) {
        EXPECT_TRUE(settings.includes(bank.entries[q.entry])) << q.entry;
        entries.insert(q.entry);
        EXPECT_EQ(std::set<int>(q.answerButtons.begin(), q.answerButtons.end()),
                  (std::set<int>{1, 2, 3, 4, 5, 6}));
    }
    EXPECT_EQ(int(entries.size()), c.expected);
    EXPECT_EQ(Exam::eligibleCount(bank, settings), c.eligible);
    EXPECT_EQ(exam.finished(), c.expected == 0);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ExamDrawTest,
    ::testing::Values(DrawCase{"FewerThanTheBank", 60, false, {}, 50, 50, 60},
                      DrawCase{"WholeBank", 600, false, {}, 600, 600, 600},
                      DrawCase{"MoreThanTheBankGivesAll", 12, false, {}, 50, 12, 12},
                      DrawCase{"SkipEntriesNeverAsked", 20, true, {}, 20, 16, 16},
                      DrawCase{"OneWordingLeftOut", 30, false, {2}, 30, 20, 20},
                      DrawCase{"EveryWordingLeftOut", 30, false, {1, 2, 3}, 10, 0, 0}),
    CaseName());

// An exam of n questions whose entry is its number and whose right answer
// is on button 1.
Exam plainExam(int n, int minutes = 0, int passMark = 75)
{
    auto qs = std::vector<ExamQuestion>(std::size_t(n));
    for (int i = 0; i < n; ++i)
        qs[std::size_t(i)].entry = i + 1;
    return Exam(std::move(qs), minutes, passMark);
}

struct ScoreCase {
    std::string name;
    int total;
    int right;
    int wrong; // the rest are unanswered
    int passMark;
    QString score;
    QString pass;
};

class ExamScoreTest : public ::testing::TestWithParam<ScoreCase> {};

TEST_P(ExamScoreTest, ScoreAgainstThePassMark)
{
    const ScoreCase &c = GetParam();
    const QuestionBank bank = examBank(c.total, false);
    Exam exam = plainExam(c.total, 0, c.passMark);
    for (int i = 0; i < c.right + c.wrong; ++i) {
        exam.goTo(i, 0);
        exam.choose(i < c.right ? 1 : 2);
    }
    exam.finish(1000);
    const ExamResult r = exam.result(bank);
    EXPECT_EQ(r.scoreText(), c.score);
    EXPECT_EQ(r.passText(), c.pass);
    EXPECT_EQ(int(r.missedKeys().size()), c.total - c.right);
    EXPECT_EQ(int(exam.answerEvents(bank, QDateTime::currentDateTimeUtc()).size()),
              c.right + c.wrong);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ExamScoreTest,
    ::testing::Values(
        ScoreCase{"Passed", 50, 41, 9, 75, "Result: 41 of 50 right (82 %)", "Passed"},
        ScoreCase{"ExactlyThePassMark", 4, 3, 1, 75, "Result: 3 of 4 right (75 %)", "Passed"},
        ScoreCase{"JustBelowRoundsDown", 200, 149, 0, 75, "Result: 149 of 200 right (74 %)",
                  "Not passed (pass mark 75 %)"},
        ScoreCase{"UnansweredCountWrong", 10, 7, 0, 70, "Result: 7 of 10 right (70 %)", "Passed"},
        ScoreCase{"NothingAnswered", 5, 0, 0, 1, "Result: 0 of 5 right (0 %)",
                  "Not passed (pass mark 1 %)"},
        ScoreCase{"AllRightFullMark", 3, 3, 0, 100, "Result: 3 of 3 right (100 %)", "Passed"}),
    CaseName());

struct ClockCase {
    std::string name;
    int minutes;
    qint64 nowMs;
    bool timesOut;
    QString left;
    QString taken;
};

class ExamClockTest : public ::testing::TestWithParam<ClockCase> {};

TEST_P(ExamClockTest, TimeLeftAndTimeOut)
{
    const ClockCase &c = GetParam();
    Exam exam = plainExam(3, c.minutes);
    EXPECT_EQ(exam.timeLeftText(c.nowMs), c.left);
    EXPECT_EQ(exam.checkTime(c.nowMs), c.timesOut);
    EXPECT_EQ(exam.finished(), c.timesOut);
    if (!c.timesOut)
        exam.finish(c.nowMs);
    EXPECT_EQ(exam.result(examBank(3, false)).takenText(), c.taken);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ExamClockTest,
    ::testing::Values(
        ClockCase{"Start", 60, 0, false, "Time left: 1:00:00", "Time taken: 0:00"},
        ClockCase{"PartSecondsCountUp", 1, 500, false, "Time left: 1:00", "Time taken: 0:00"},
        ClockCase{"LastSecond", 1, 59001, false, "Time left: 0:01", "Time taken: 0:59"},
        ClockCase{"TimeUp", 1, 60000, true, "Time left: 0:00", "Time taken: 1:00 (time ran out)"},
        ClockCase{"LateTickCountsTheLimit", 2, 500000, true, "Time left: 0:00",
                  "Time taken: 2:00 (time ran out)"},
        ClockCase{"NoLimitNeverTimesOut", 0, 4000000, false, "", "Time taken: 1:06:40"}),
    CaseName());

// Steps: "c<k>" chooses button k, "f" flags or unflags, "n"/"p" move on or
// back, "g<i>" goes to question i (0-based), "x" finishes.
struct StepsCase {
    std::string name;
    std::vector<std::string> steps;
    int current;
    std::vector<int> chosen;
    std::vector<int> changes;
    std::vector<bool> flagged;
};

class ExamStepsTest : public ::testing::TestWithParam<StepsCase> {};

TEST_P(ExamStepsTest, AnswersFlagsAndMoves)
{
    const StepsCase &c = GetParam();
    Exam exam = plainExam(3);
    for (const std::string &step : c.steps) {
        const int arg = step.size() > 1 ? std::stoi(step.substr(1)) : 0;
        switch (step[0]) {
        case 'c':
            exam.choose(arg);
            break;
        case 'f':
            exam.toggleFlag();
            break;
        case 'n':
            exam.next(0);
            break;
        case 'p':
            exam.previous(0);
            break;
        case 'g':
            exam.goTo(arg, 0);
            break;
        default:
            exam.finish(0);
        }
    }
    EXPECT_EQ(exam.currentIndex(), c.current);
    EXPECT_EQ(exam.counterText(), QStringLiteral("Question %1 of 3").arg(c.current + 1));
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(exam.questions()[i].chosen, c.chosen[i]) << i;
        EXPECT_EQ(exam.questions()[i].changes, c.changes[i]) << i;
        EXPECT_EQ(exam.questions()[i].flagged, c.flagged[i]) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Table, ExamStepsTest,
                         ::testing::Values(StepsCase{"ChangeOfAnswerCounts",
                                                     {"c2", "c2", "c5", "c1"},
                                                     0,
                                                     {1, 0, 0},
                                                     {2, 0, 0},
                                                     {false, false, false}},
                                           StepsCase{"OutOfRangeButtonsIgnored",
                                                     {"c0", "c7", "c-1"},
                                                     0,
                                                     {0, 0, 0},
                                                     {0, 0, 0},
                                                     {false, false, false}},
                                           StepsCase{"FlagTwiceUnflags",
                                                     {"f", "n", "f", "f", "n", "f"},
                                                     2,
                                                     {0, 0, 0},
                                                     {0, 0, 0},
                                                     {true, false, true}},
                                           StepsCase{"MovesStopAtTheEnds",
                                                     {"p", "c3", "n", "n", "n", "c4", "g1", "c6"},
                                                     1,
                                                     {3, 6, 4},
                                                     {0, 0, 0},
                                                     {false, false, false}},
                                           StepsCase{"JumpOutsideIgnored",
                                                     {"g2", "g3", "g-1", "c2"},
                                                     2,
                                                     {0, 0, 2},
                                                     {0, 0, 0},
                                                     {false, false, false}},
                                           StepsCase{"NothingChangesAfterTheEnd",
                                                     {"c1", "x", "c2", "f", "n"},
                                                     0,
                                                     {1, 0, 0},
                                                     {0, 0, 0},
                                                     {false, false, false}}),
                         CaseName());

// The review puts the missed questions first, each group in exam order; the
// per-wording tally and the record's answers follow the final choices.
TEST(ExamResultTest, ReviewMissedFirstWithWordingsAndRecordedAnswers)
{
    const QuestionBank bank = examBank(4, false);
    Exam exam = plainExam(4);
    exam.choose(1);  // 1 right
    exam.next(2000); // 2 unanswered
    exam.next(5000); // 3 wrong
    exam.choose(3);
    exam.toggleFlag();
    exam.next(6000); // 4 right after a change
    exam.choose(2);
    exam.choose(1);
    exam.finish(9000);
    const ExamResult r = exam.result(bank);
    std::vector<int> order;
    for (const auto &a : r.review)
        order.push_back(a.number);
    EXPECT_EQ(order, (std::vector<int>{2, 3, 1, 4}));
    EXPECT_EQ(r.review[0].given, QString());
    EXPECT_EQ(r.review[1].given, QStringLiteral("T4"));
    EXPECT_EQ(r.review[1].right, QStringLiteral("T3"));
    EXPECT_TRUE(r.review[1].flagged);
    ASSERT_EQ(r.byWording.size(), 3u); // entries 1..4: wordings 2, 3, 1, 2
    EXPECT_EQ(r.byWording[0].second, (Tally{1, 0}));
    EXPECT_EQ(r.byWording[1].second, (Tally{2, 2}));

    const auto events = exam.answerEvents(bank, QDateTime::currentDateTimeUtc());
    ASSERT_EQ(events.size(), 3u);
    EXPECT_EQ(events[0].durationMs, 2000);
    EXPECT_EQ(events[1].outcome, AnswerOutcome::FirstWrong);
    EXPECT_EQ(events[2].outcome, AnswerOutcome::FirstRight);
    EXPECT_EQ(events[2].durationMs, 3000);
    EXPECT_EQ(events[2].quiz, RecordedQuiz::Exam);
}

// Malformed values read as their defaults; the chosen values come back.
TEST(ExamSettingsTest, RememberedAndMalformedReadAsDefaults)
{
    MemorySettings store;
    store.values = {{"exam/questions", "0"},
                    {"exam/minutes", "x"},
                    {"exam/passMark", "101"},
                    {"exam/excluded", "3 x 3 99 0"}};
    ExamSettings s = ExamSettings::load(store);
    EXPECT_EQ(s, (ExamSettings{50, 60, 75, {0, 3}}));
    s = {10, 0, 80, {5}};
    ASSERT_TRUE(s.save(store));
    EXPECT_EQ(ExamSettings::load(store), s);
}

// A finished exam is kept in order, survives reopening, and goes with
// "Clear History"; a record of the version before gains the table.
TEST(ExamRecordTest, ExamsKeptInOrderAndCleared)
{
    TempDir dir;
    const QString path = dir.file(QStringLiteral("record.sqlite"));
    const QDateTime at = QDateTime::fromMSecsSinceEpoch(1'700'000'000'000, Qt::UTC);
    {
        RecordStore store(path);
        ASSERT_EQ(store.open().status, RecordStore::Status::Ready);
        ASSERT_TRUE(store.recordExam({at, 41, 50, 75, true, 600000}));
        ASSERT_TRUE(store.recordExam({at.addDays(1), 3, 10, 75, false, 1000}));
    }
    ASSERT_TRUE(setBackRecord(path, QStringLiteral("exams"), 2));
    RecordStore store(path);
    ASSERT_EQ(store.open().status, RecordStore::Status::Ready);
    EXPECT_TRUE(store.pastExams().empty());
    ASSERT_TRUE(store.recordExam({at, 41, 50, 75, true, 600000}));
    ASSERT_TRUE(store.recordExam({at.addDays(-1), 3, 10, 75, false, 1000}));
    const auto exams = store.pastExams();
    ASSERT_EQ(exams.size(), 2u);
    EXPECT_EQ(exams[0], (PastExam{at.addDays(-1), 3, 10, 75, false, 1000}));
    EXPECT_EQ(exams[1].right, 41);
    ASSERT_TRUE(store.clear());
    EXPECT_TRUE(store.pastExams().empty());
}

} // namespace
