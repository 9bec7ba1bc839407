#include "core/quiz/QuestionDraw.h"
#include "core/quiz/BankLoader.h"
#include "core/session/QuizSession.h"
#include "support/CoreFakes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

namespace {

// A bank from lines: texts "T1".."Tn" and the given entry lines.
QuestionBank bankOf(int texts, const QStringList &entries)
{
    QStringList a;
    for (int i = 1; i <= texts; ++i)
        a << QStringLiteral("T%1").arg(i);
    return BankLoader::buildBank(a, entries, standardWordings());
}

const QString kSkip = QStringLiteral("9|0|0|0|0|0|0|");

struct Session {
    explicit Session(const QStringList &entries, int texts = 7) : bank(bankOf(texts, entries))
    {
        session.startUp();
        session.NextQuestion();
    }
    const QuestionBank bank;
    SeededRandom random{7};
    FakeEffects effects;
    QuizSession session{bank, random, effects};
    QuizState &st = session.state();
    const MainView &v = session.view();
};

TEST(EntryDraw, NeverRepeatsAndNeverAsksASkipEntry)
{
    // Entries 2 and 4 are skip lines; 5 lies past the end of AD.zel.
    Session s({"1|2|3|4|5|6|1|", kSkip, "3|1|2|4|5|6|3|", kSkip, "4|1|2|3|4|5|6|"}, 6);
    std::map<int, int> seen;
    for (int i = 0; i < 3000; ++i) {
        const int last = s.st.CurEntry;
        s.session.NextQuestion();
        ASSERT_NE(s.st.CurEntry, last) << "question repeated at draw " << i;
        ASSERT_FALSE(s.bank.Bank[s.st.CurEntry].isSkip()) << "skip entry " << s.st.CurEntry;
        EXPECT_EQ(s.st.LastEntry, s.st.CurEntry);
        ++seen[s.st.CurEntry];
    }
    // Every askable entry turns up, including those past the end of AD.zel.
    EXPECT_EQ(seen.size(), 4u);
    for (int entry : {1, 3, 5, 6})
        EXPECT_GT(seen[entry], 300) << entry;
    // The generator is reseeded before every attempt, not once per question.
    EXPECT_GT(s.random.reseeds, 3000);
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

// Each answer on its button and the wording above the subject; without a
// wording the subject stands on the second line, and text number 0
// leaves a button blank.
TEST(NextQuestion, PutsEachAnswerOnItsButtonAndTheWordingAboveTheSubject)
{
    const struct {
        QString entry, question;
        QStringList answers;
    } cases[] = {
        {"3|7|2|3|4|5|6|",
         "What's The Definition of:\r\rT%1",
         {"T7", "T2", "T3", "T4", "T5", "T6"}},
        {"0|0|2|3|1|2|3|", "\rT%1", {"", "T2", "T3", "T1", "T2", "T3"}},
    };
    for (const auto &c : cases) {
        Session s(QStringList(7, c.entry));
        for (int k = 0; k < 6; ++k)
            EXPECT_EQ(s.v.answers[s.st.AnsPos[k] - 1].caption, c.answers[k]) << k;
        EXPECT_EQ(s.v.question, c.question.arg(s.st.CurEntry));
    }
}

TEST(NextQuestion, ResetsTheAnswerAreaOfASpentQuestion)
{
    Session s({"1|1|2|3|4|5|6|", "2|2|3|4|5|6|7|"});
    const int right = s.st.AnsPos[0];
    s.session.answerClicked(s.st.AnsPos[1]);
    s.session.answerClicked(s.st.AnsPos[2]);
    s.session.showCorrectClicked();
    ASSERT_EQ(s.v.answers[right - 1].colour, MainView::ButtonColour::Revealed);

    s.session.nextClicked();
    for (const auto &b : s.v.answers) {
        EXPECT_TRUE(b.enabled);
        EXPECT_EQ(b.colour, MainView::ButtonColour::Face);
    }
    EXPECT_FALSE(s.v.nextVisible);
    EXPECT_FALSE(s.v.showCorrectVisible);
    EXPECT_TRUE(s.v.showCorrectEnabled);
    EXPECT_EQ(s.v.questionColour, MainView::TextColour::Navy);
    EXPECT_EQ(s.st.WrongTries, 0);
    EXPECT_EQ(s.st.MissCounted, 0);
}

// Draws fill [0, 1) but never reach 1, and reseeding folds the clock into
// the state: reseeds in quick succession (often within one clock tick)
// still move the generator on.
TEST(MersenneRandom, DrawsStayInTheHalfOpenUnitIntervalAndReseedsDoNotRepeat)
{
    MersenneRandom random;
    std::set<double> afterReseed;
    double lo = 1, hi = 0;
    for (int i = 0; i < 100000; ++i) {
        if (i < 1000)
            random.reseedFromClock();
        const double r = random.next();
        ASSERT_GE(r, 0.0);
        ASSERT_LT(r, 1.0);
        if (i < 1000)
            afterReseed.insert(r);
        lo = std::min(lo, r);
        hi = std::max(hi, r);
    }
    EXPECT_EQ(afterReseed.size(), 1000u);
    EXPECT_LT(lo, 0.001);
    EXPECT_GT(hi, 0.999);
}

} // namespace
