// The memory model against the reference scheduler's fixture, the plan of a
// day's review, the replay of an older record and the study settings.
#include "core/record/StudyPlan.h"
#include "core/record/MemoryModel.h"
#include "core/record/QuestionKey.h"
#include "core/record/RecordStore.h"
#include "support/CaseName.h"
#include "support/CoreFakes.h"
#include "support/OlderRecord.h"
#include "support/TempDir.h"

#include <QFile>

#include <cmath>
#include <iostream>

namespace {

// One review of tests/data/fsrs/reference.csv (see scripts/reference/fsrs).
struct ReferenceReview {
    int history = 0;
    double retention = 0;
    int elapsedDays = 0;
    Grade grade = Grade::Good;
    double expected[4] = {}; // retrievability (-1: none), stability, difficulty, interval
};

const std::vector<ReferenceReview> &referenceReviews()
{
    static const std::vector<ReferenceReview> reviews = [] {
        std::vector<ReferenceReview> list;
        QFile f(qEnvironmentVariable("ZELQUIZ_TEST_DATA_DIR") + "/fsrs/reference.csv");
        if (!f.open(QIODevice::ReadOnly))
            return list;
        f.readLine(); // the header
        while (!f.atEnd()) {
            const QList<QByteArray> c = f.readLine().trimmed().split(',');
            if (c.size() != 8)
                break;
            list.push_back({c[0].toInt(),
                            c[1].toDouble(),
                            c[2].toInt(),
                            Grade(c[3].toInt()),
                            {c[4].isEmpty() ? -1 : c[4].toDouble(), c[5].toDouble(),
                             c[6].toDouble(), c[7].toDouble()}});
        }
        return list;
    }();
    return reviews;
}

struct Quantity {
    std::string name;
    int column;
};

class MemoryModelReference : public ::testing::TestWithParam<Quantity> {};

// Every history replayed through the model: each value within 1e-4 relative
// of the reference's, the largest difference reported.
TEST_P(MemoryModelReference, MatchesEveryReview)
{
    const auto &reviews = referenceReviews();
    ASSERT_GE(reviews.size(), 1000u);
    const MemoryModel model;
    MemoryState state;
    double worst = 0;
    std::size_t worstRow = 0;
    for (std::size_t i = 0; i < reviews.size(); ++i) {
        const ReferenceReview &r = reviews[i];
        if (i == 0 || reviews[i - 1].history != r.history)
            state = {};
        const double recall =
            state.isNew() ? -1 : model.retrievability(r.elapsedDays, state.stability);
        state = model.next(state, r.elapsedDays, r.grade);
        const double got[4] = {recall, state.stability, state.difficulty,
                               double(model.interval(state.stability, r.retention))};
        const double want = r.expected[GetParam().column];
        const double diff =
            std::abs(got[GetParam().column] - want) / std::max(std::abs(want), 1e-9);
        if (diff > worst) {
            worst = diff;
            worstRow = i;
        }
    }
    std::cout << GetParam().name << ": largest relative difference " << worst << " (row "
              << worstRow + 2 << " of " << reviews.size() << ")\n";
    EXPECT_LE(worst, 1e-4) << "row " << worstRow + 2;
}

INSTANTIATE_TEST_SUITE_P(Fsrs6, MemoryModelReference,
                         ::testing::Values(Quantity{"retrievability", 0}, Quantity{"stability", 1},
                                           Quantity{"difficulty", 2}, Quantity{"interval", 3}),
                         CaseName());

const QDate today(2026, 3, 10);

// An answered question: its stability and the days since its last and
// first review.
MemoryEntry entry(const char *key, double stability, int lastAgo, int firstAgo = 30)
{
    MemoryEntry e;
    e.key = key;
    e.state = {stability, 5};
    e.lastDay = today.toJulianDay() - lastAgo;
    e.firstDay = today.toJulianDay() - firstAgo;
    return e;
}

struct OrderCase {
    std::string name;
    std::vector<MemoryEntry> entries;
    std::vector<const char *> bank;
    int newPerDay;
    std::vector<QByteArray> expected;
};

class ReviewDueOrder : public ::testing::TestWithParam<OrderCase> {};

TEST_P(ReviewDueOrder, DueLowestRecallFirstThenNewUpToTheDailyLimit)
{
    const OrderCase &c = GetParam();
    StudySettings settings;
    settings.newPerDay = c.newPerDay;
    std::vector<BankQuestion> bank;
    for (const char *key : c.bank)
        bank.push_back({key, {}});
    EXPECT_EQ(StudyPlan(settings, today).reviewOrder(c.entries, bank), c.expected);
}

const OrderCase kOrderCases[] = {
    // At 90 % a question falls due after as many days as its stability.
    {"LowestRecallFirst",
     {entry("far", 3, 40), entry("near", 10, 10), entry("notYet", 20, 10), entry("mid", 2, 5)},
     {"near", "far", "notYet", "mid"},
     0,
     {"far", "mid", "near"}},
    {"UnseenInBankOrderUpToTheLimit", {entry("a", 1, 1)}, {"x", "a", "y", "z"}, 2, {"a", "x", "y"}},
    {"NewOnesBegunTodayCount",
     {entry("n1", 2.3, 0, 0), entry("n2", 2.3, 0, 0)},
     {"n1", "n2", "x", "y"},
     3,
     {"x"}},
    {"NoNewOnesAtZero", {}, {"x", "y"}, 0, {}},
    {"QuestionsOutsideTheBankLeftOut", {entry("gone", 1, 9)}, {"x"}, 1, {"x"}},
};
INSTANTIATE_TEST_SUITE_P(Plans, ReviewDueOrder, ::testing::ValuesIn(kOrderCases), CaseName());

struct ExamCase {
    std::string name;
    double stability;
    int lastAgo;
    std::optional<int> examIn;
    int dueIn;
};

class ExamDateCap : public ::testing::TestWithParam<ExamCase> {};

TEST_P(ExamDateCap, NoIntervalReachesPastTheExam)
{
    const ExamCase &c = GetParam();
    StudySettings settings;
    if (c.examIn)
        settings.examDate = today.addDays(*c.examIn);
    const StudyPlan plan(settings, today);
    const MemoryEntry e = entry("q", c.stability, c.lastAgo);
    EXPECT_EQ(plan.dueDay(e) - today.toJulianDay(), c.dueIn);
    EXPECT_EQ(plan.stage(e), c.dueIn <= 0                               ? MemoryStage::Due
                             : c.stability >= StudyPlan::KnownStability ? MemoryStage::Known
                                                                        : MemoryStage::Learning);
}

const ExamCase kExamCases[] = {
    {"WithoutExam", 100, 0, {}, 100},
    {"ExamAhead", 100, 0, 10, 10},
    {"ExamBeyondTheInterval", 5, 0, 10, 5},
    {"ExamPast", 100, 0, -1, 100},
    {"ExamDayBringsEverythingBack", 40, 3, 0, 0},
    {"OverdueBeforeTheExam", 2, 4, 10, -2},
};
INSTANTIATE_TEST_SUITE_P(Plans, ExamDateCap, ::testing::ValuesIn(kExamCases), CaseName());

TEST(StudyPlanTest, OverviewCountsStagesForecastAndExpectedAccuracy)
{
    const StudyPlan plan(StudySettings{}, today);
    const std::vector<MemoryEntry> entries = {entry("due", 1, 3), entry("learning", 5, 1),
                                              entry("known", 60, 0), entry("gone", 1, 9)};
    const std::vector<BankQuestion> bank = {
        {"due", {}}, {"learning", {}}, {"known", {}}, {"new", {}}};
    const StudyPlan::Overview o = plan.overview(entries, bank);
    EXPECT_EQ(o.byStage, (std::array<int, 4>{1, 1, 1, 1}));
    std::array<int, StudyPlan::ForecastDays> forecast{};
    forecast[0] = forecast[4] = 1; // "known" falls due after 60 days
    EXPECT_EQ(o.forecast, forecast);
    // Recall 1 for the one answered today, a guess for the new one.
    const double r = plan.recall(entries[0]) + plan.recall(entries[1]);
    EXPECT_NEAR(o.expectedAccuracy, (r + 1 + (2 - r) / 6 + 1.0 / 6) / 4, 1e-12);
    EXPECT_EQ(plan.nextDueDate(entries, bank), today.addDays(1)) << "the new one waits";
    EXPECT_EQ(plan.nextDueDate({entries[2]}, {bank[2]}), today.addDays(60));
    EXPECT_EQ(plan.nextDueDate({}, {}), std::nullopt);
}

struct ReplayCase {
    std::string name;
    std::vector<std::pair<AnswerOutcome, int>> answers; // with days ago
    int lastAgo;
    int firstAgo;
};

class MigrationReplay : public ::testing::TestWithParam<ReplayCase> {};

// An older record (without memory states) is brought up to date with the
// same states as answers recorded one by one give.
TEST_P(MigrationReplay, GivesTheStatesOfTheLiveRecord)
{
    TempDir dir;
    const QString path = dir.file(QStringLiteral("record.sqlite"));
    const QDateTime now = QDateTime::currentDateTime();
    std::vector<MemoryEntry> live;
    {
        RecordStore store(path);
        ASSERT_EQ(store.open().status, RecordStore::Status::Ready);
        for (const auto &[outcome, ago] : GetParam().answers) {
            const std::array<QString, 6> answers = {QStringLiteral("A")};
            ASSERT_TRUE(store.record({QuestionKey::of({}, QStringLiteral("S"), answers),
                                      {},
                                      QStringLiteral("S"),
                                      answers[0],
                                      RecordedQuiz::Timed,
                                      outcome,
                                      now.addDays(-ago),
                                      100}));
        }
        live = store.memoryEntries();
    }
    ASSERT_TRUE(setBackRecord(path, QStringLiteral("memory"), 1));
    RecordStore reopened(path);
    ASSERT_EQ(reopened.open().status, RecordStore::Status::Ready);
    const std::vector<MemoryEntry> replayed = reopened.memoryEntries();
    ASSERT_EQ(live.size(), 1u);
    ASSERT_EQ(replayed.size(), 1u);
    EXPECT_EQ(replayed[0].state, live[0].state);
    EXPECT_EQ(replayed[0].lastAt, live[0].lastAt);
    const qint64 day = now.date().toJulianDay();
    EXPECT_EQ(std::pair(live[0].lastDay, live[0].firstDay),
              std::pair(day - GetParam().lastAgo, day - GetParam().firstAgo));
    EXPECT_EQ(std::pair(replayed[0].lastDay, replayed[0].firstDay),
              std::pair(live[0].lastDay, live[0].firstDay));
}

using O = AnswerOutcome;
const ReplayCase kReplayCases[] = {
    {"SameDayRepeats", {{O::FirstRight, 0}, {O::FirstWrong, 0}, {O::FirstRight, 0}}, 0, 0},
    {"LapseAfterWeeks", {{O::FirstRight, 40}, {O::FirstRight, 30}, {O::FirstWrong, 0}}, 0, 40},
    {"OnlyFirstTriesCount",
     {{O::FirstWrong, 3}, {O::SecondRight, 3}, {O::ShowCorrect, 3}, {O::Next, 1}},
     3,
     3},
    {"ClockSetBack", {{O::FirstRight, 0}, {O::FirstWrong, 2}}, 2, 0},
};
INSTANTIATE_TEST_SUITE_P(Histories, MigrationReplay, ::testing::ValuesIn(kReplayCases), CaseName());

TEST(StudySettingsTest, MalformedValuesReadAsDefaultsAndSavedOnesReadBack)
{
    MemorySettings store;
    store.values = {
        {"study/retention", "0.5"}, {"study/newPerDay", "-3"}, {"study/examDate", "soon"}};
    EXPECT_EQ(StudySettings::load(store), StudySettings{});
    const StudySettings chosen{0.85, 7, QDate(2026, 6, 1)};
    ASSERT_TRUE(chosen.save(store));
    EXPECT_EQ(store.values.value("study/examDate"), "2026-06-01");
    EXPECT_EQ(StudySettings::load(store), chosen);
    store.values.insert("study/newPerDay", "100000");
    EXPECT_EQ(StudySettings::load(store).newPerDay, StudySettings::MaxNewPerDay);
}

} // namespace
