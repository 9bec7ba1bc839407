#include "core/quiz/QuestionDraw.h"
#include "../SessionFixture.h"
#include "support/CaseName.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

namespace {

const QString kSkip = QStringLiteral("9|0|0|0|0|0|0|");
using EntryDraw = SessionTest;
using NextQuestion = SessionTest;

TEST_F(EntryDraw, NeverRepeatsAndNeverAsksASkipEntry)
{
    // Entries 2 and 4 are skip lines; 5 lies past the end of AD.zel.
    useBank(6, {"1|2|3|4|5|6|1|", kSkip, "3|1|2|4|5|6|3|", kSkip, "4|1|2|3|4|5|6|"});
    std::map<int, int> seen;
    for (int i = 0; i < 3000; ++i) {
        const int last = s().entry;
        session.drawQuestion();
        ASSERT_NE(s().entry, last) << "question repeated at draw " << i;
        ASSERT_FALSE(bank.entries[s().entry].isSkip()) << "skip entry " << s().entry;
        EXPECT_EQ(s().lastEntry, s().entry);
        ++seen[s().entry];
    }
    // Every askable entry turns up, including those past the end of AD.zel.
    EXPECT_EQ(seen.size(), 4u);
    for (int entry : {1, 3, 5, 6})
        EXPECT_GT(seen[entry], 300) << entry;
    // The generator is reseeded before every attempt, not once per question.
    EXPECT_GT(random.reseeds, 3000);
}

TEST_F(EntryDraw, TakesTheIntegerPartOfTheScaledDraw)
{
    useBank(4, {"1|1|2|3|4|1|2|", "1|1|2|3|4|1|2|", kSkip});
    // 0.0 gives entry 1 (the last one: drawn again), 0.6 entry 3 (a skip),
    // 0.99 entry 4 (past the end of AD.zel, but askable).
    ScriptedRandom scripted({0.0, 0.6, 0.99});
    EXPECT_EQ(QuestionDraw::drawEntry(bank, scripted, 1), 4);
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

// Each answer on its button and the wording above the subject; without a
// wording the subject stands on the second line, and text number 0
// leaves a button blank.
struct ShownCase {
    const char *name;
    QString entry, question, answers; // the answers from the right one on
};
class NextQuestionShown : public SessionTest, public ::testing::WithParamInterface<ShownCase> {};

TEST_P(NextQuestionShown, PutsEachAnswerOnItsButtonAndTheWordingAboveTheSubject)
{
    useBank(7, QStringList(7, GetParam().entry));
    QStringList shown;
    for (int k = 0; k < 6; ++k)
        shown << v().answers[s().answerButtons[k] - 1].caption;
    EXPECT_EQ(shown.join('|'), GetParam().answers);
    EXPECT_EQ(v().question, GetParam().question.arg(s().entry));
}

const ShownCase kShownCases[] = {
    {"wording", "3|7|2|3|4|5|6|", "What's The Definition of:\r\rT%1", "T7|T2|T3|T4|T5|T6"},
    {"no_wording_and_text_0", "0|0|2|3|1|2|3|", "\rT%1", "|T2|T3|T1|T2|T3"}};
INSTANTIATE_TEST_SUITE_P(Entries, NextQuestionShown, ::testing::ValuesIn(kShownCases), CaseName());

TEST_F(NextQuestion, ResetsTheAnswerAreaOfASpentQuestion)
{
    const int right = s().answerButtons[0];
    session.answer(s().answerButtons[1]);
    session.answer(s().answerButtons[2]);
    session.revealAnswer();
    ASSERT_EQ(v().answers[right - 1].colour, MainView::ButtonColour::Revealed);

    session.next();
    for (const auto &b : v().answers) {
        EXPECT_TRUE(b.enabled);
        EXPECT_EQ(b.colour, MainView::ButtonColour::Face);
    }
    EXPECT_FALSE(v().nextVisible);
    EXPECT_FALSE(v().showCorrectVisible);
    EXPECT_TRUE(v().showCorrectEnabled);
    EXPECT_EQ(v().questionColour, MainView::TextColour::Navy);
    EXPECT_EQ(s().wrongTries, 0);
    EXPECT_EQ(s().missCounted, 0);
}

// Reseeding folds the clock into the state: reseeds in quick succession
// (often within one clock tick) still move the generator on. The range and
// the uniformity of the draws show in the position draw above.
TEST(MersenneRandom, ReseedsWithinOneTickDoNotRepeatTheDraw)
{
    MersenneRandom random;
    std::set<double> values;
    for (int i = 0; i < 1000; ++i) {
        random.reseedFromClock();
        values.insert(random.next());
    }
    EXPECT_EQ(values.size(), 1000u);
}

} // namespace
