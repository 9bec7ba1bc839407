#include "core/quiz/QuestionDraw.h"
#include "core/quiz/BankLoader.h"
#include "core/session/QuizSession.h"
#include "support/CoreFakes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

namespace {

const Wordings kWordings = standardWordings();

// A bank from lines: texts "T1".."Tn" and the given entry lines.
QuestionBank bankOf(int texts, const QStringList &entries)
{
    QStringList a;
    for (int i = 1; i <= texts; ++i)
        a << QStringLiteral("T%1").arg(i);
    return BankLoader::buildBank(a, entries, kWordings);
}

const QString kSkip = QStringLiteral("9|0|0|0|0|0|0|");

struct Session {
    explicit Session(const QuestionBank &b, std::uint64_t seed = 7) : random(seed), bank(b)
    {
        session.startUp();
    }
    SeededRandom random;
    FakeEffects effects;
    const QuestionBank &bank;
    QuizSession session{bank, random, effects};
};

TEST(EntryDraw, NeverRepeatsAndNeverAsksASkipEntry)
{
    // Entries 2 and 4 are skip lines; 5 lies past the end of AD.zel.
    const QuestionBank bank =
        bankOf(6, {"1|2|3|4|5|6|1|", kSkip, "3|1|2|4|5|6|3|", kSkip, "4|1|2|3|4|5|6|"});
    Session s(bank);
    std::map<int, int> seen;
    int last = 0;
    for (int i = 0; i < 3000; ++i) {
        s.session.NextQuestion();
        const int entry = s.session.state().CurEntry;
        ASSERT_NE(entry, last) << "question repeated at draw " << i;
        ASSERT_FALSE(bank.Bank[entry].isSkip()) << "skip entry " << entry << " asked";
        EXPECT_EQ(s.session.state().LastEntry, entry);
        ++seen[entry];
        last = entry;
    }
    // Every askable entry turns up, including those past the end of AD.zel.
    EXPECT_EQ(seen.size(), 4u);
    for (int entry : {1, 3, 5, 6})
        EXPECT_GT(seen[entry], 300) << entry;
    // The generator is reseeded before every attempt, not once per question.
    EXPECT_GT(s.random.reseeds, 3000);
}

TEST(EntryDraw, TwoAskableEntriesAlternate)
{
    const QuestionBank bank = bankOf(3, {kSkip, "1|1|2|3|1|2|3|", "2|1|2|3|1|2|3|"});
    Session s(bank);
    s.session.NextQuestion();
    int expected = s.session.state().CurEntry;
    for (int i = 0; i < 200; ++i) {
        ASSERT_EQ(s.session.state().CurEntry, expected);
        expected = expected == 2 ? 3 : 2;
        s.session.NextQuestion();
    }
}

TEST(EntryDraw, TakesTheIntegerPartOfTheScaledDraw)
{
    const QuestionBank bank = bankOf(4, {"1|1|2|3|4|1|2|", "1|1|2|3|4|1|2|", kSkip});
    // 0.0 gives entry 1 (the last one: drawn again), 0.6 entry 3 (a skip),
    // 0.99 entry 4 (past the end of AD.zel, but askable).
    ScriptedRandom random({0.0, 0.6, 0.99});
    EXPECT_EQ(QuestionDraw::drawEntry(bank, random, 1), 4);
}

// The position draw must give every one of the 720 arrangements equally
// often; a biased redraw loop would show up here. The seed is fixed, so
// the outcome is repeatable; 7200 draws put each cell near 10.
TEST(PositionDraw, IsAUniformPermutation)
{
    SeededRandom random(2024);
    std::map<std::array<std::int8_t, 6>, int> counts;
    const int draws = 7200;
    for (int i = 0; i < draws; ++i) {
        const auto pos = QuestionDraw::drawPositions(random);
        auto sorted = pos;
        std::sort(sorted.begin(), sorted.end());
        ASSERT_EQ(sorted, (std::array<std::int8_t, 6>{1, 2, 3, 4, 5, 6}));
        ++counts[pos];
    }
    ASSERT_EQ(counts.size(), 720u);
    double chi2 = 0;
    const double expected = draws / 720.0;
    for (const auto &[perm, n] : counts)
        chi2 += (n - expected) * (n - expected) / expected;
    // 719 degrees of freedom: mean 719, standard deviation about 38.
    EXPECT_LT(chi2, 900.0);
    EXPECT_GT(chi2, 550.0);
}

TEST(NextQuestion, PutsEachAnswerOnItsButtonAndTheWordingAboveTheSubject)
{
    // Every entry: category 3 (a definition), right answer text 7.
    QStringList entries;
    for (int i = 0; i < 8; ++i)
        entries << "3|7|2|3|4|5|6|";
    const QuestionBank bank = bankOf(8, entries);
    Session s(bank);
    s.session.NextQuestion();
    const QuizState &st = s.session.state();
    const MainView &v = s.session.view();
    const QStringList answers = {"T7", "T2", "T3", "T4", "T5", "T6"};
    for (int k = 0; k < 6; ++k)
        EXPECT_EQ(v.answers[st.AnsPos[k] - 1].caption, answers[k]);
    EXPECT_EQ(v.question, QStringLiteral("What's The Definition of:\r\rT%1").arg(st.CurEntry));
}

TEST(NextQuestion, EmptyWordingPutsTheSubjectOnTheSecondLine)
{
    // Category 0 has no wording; text number 0 leaves a button blank.
    const QuestionBank bank = bankOf(3, {"0|0|2|3|1|2|3|", "0|0|2|3|1|2|3|"});
    Session s(bank);
    s.session.NextQuestion();
    const QuizState &st = s.session.state();
    EXPECT_EQ(s.session.view().question, QStringLiteral("\rT%1").arg(st.CurEntry));
    EXPECT_EQ(s.session.view().answers[st.AnsPos[0] - 1].caption, QString());
}

TEST(NextQuestion, ResetsTheAnswerAreaOfASpentQuestion)
{
    const QuestionBank bank = bankOf(7, {"1|1|2|3|4|5|6|", "2|2|3|4|5|6|7|"});
    Session s(bank);
    s.session.NextQuestion();
    const int right = s.session.state().AnsPos[0];
    const int wrong1 = s.session.state().AnsPos[1];
    const int wrong2 = s.session.state().AnsPos[2];
    s.session.answerClicked(wrong1);
    s.session.answerClicked(wrong2);
    s.session.showCorrectClicked();
    ASSERT_EQ(s.session.view().answers[right - 1].colour, MainView::ButtonColour::Revealed);

    s.session.nextClicked();
    const MainView &v = s.session.view();
    for (const auto &b : v.answers) {
        EXPECT_TRUE(b.enabled);
        EXPECT_EQ(b.colour, MainView::ButtonColour::Face);
    }
    EXPECT_FALSE(v.nextVisible);
    EXPECT_FALSE(v.showCorrectVisible);
    EXPECT_TRUE(v.showCorrectEnabled);
    EXPECT_EQ(v.questionColour, MainView::TextColour::Navy);
    EXPECT_EQ(s.session.state().WrongTries, 0);
    EXPECT_EQ(s.session.state().MissCounted, 0);
}

TEST(NextQuestion, IdleTimedQuizOnlyRefreshesTheTimedCounters)
{
    const QuestionBank bank = bankOf(7, {"1|1|2|3|4|5|6|", "2|2|3|4|5|6|7|"});
    Session s(bank);
    s.session.NextQuestion();
    const MainView before = s.session.view();
    const QuizState stateBefore = s.session.state();

    QuizState &st = s.session.state();
    st.QuizType = QuizState::Timed;
    st.TimedRunning = 0;
    st.NumCorrect = 3;
    st.NumWrong = 0;
    st.NumTotal = -1;
    st.NumScore = 120;
    st.NumLevel = 4;
    s.session.NextQuestion();

    const MainView &v = s.session.view();
    EXPECT_EQ(v.lblCorrectT, "Correct:  3");
    EXPECT_EQ(v.lblWrongT, "Wrong:  0");
    EXPECT_EQ(v.lblTotalT, "Questions\rRemaining: -1");
    EXPECT_EQ(v.lblScore, "SCORE:  120");
    EXPECT_EQ(v.lblLevel, "Level:  4");
    EXPECT_EQ(v.question, before.question);
    EXPECT_EQ(v.lblCorrect, before.lblCorrect);
    EXPECT_EQ(s.session.state().CurEntry, stateBefore.CurEntry);
    EXPECT_EQ(s.session.state().AnsPos, stateBefore.AnsPos);
}

// Reseeding folds the clock into the state: reseeds in quick succession
// (often within one clock tick) still move the generator on.
TEST(MersenneRandom, ReseedsWithinOneTickDoNotRepeatTheDraw)
{
    MersenneRandom random(99);
    std::set<double> values;
    for (int i = 0; i < 1000; ++i) {
        random.reseedFromClock();
        values.insert(random.next());
    }
    EXPECT_EQ(values.size(), 1000u);
}

TEST(MersenneRandom, DrawsStayInTheHalfOpenUnitInterval)
{
    MersenneRandom random;
    double lo = 1, hi = 0;
    for (int i = 0; i < 100000; ++i) {
        const double r = random.next();
        ASSERT_GE(r, 0.0);
        ASSERT_LT(r, 1.0);
        lo = std::min(lo, r);
        hi = std::max(hi, r);
    }
    EXPECT_LT(lo, 0.001);
    EXPECT_GT(hi, 0.999);
}

} // namespace
