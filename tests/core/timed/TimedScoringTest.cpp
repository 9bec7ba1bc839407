// The timed game's rules on the quiz session alone: scoring, penalties,
// levels, the countdown and how a game ends.
#include "core/common/NumberText.h"
#include "core/quiz/BankLoader.h"
#include "core/session/QuizSession.h"
#include "support/CoreFakes.h"

#include <gtest/gtest.h>

namespace {

QuestionBank tenEntryBank()
{
    QStringList a, ad;
    for (int i = 1; i <= 10; ++i) {
        a << QStringLiteral("T%1").arg(i);
        ad << QStringLiteral("4|%1|%2|%2|%2|%2|%2|").arg(i).arg(i % 10 + 1);
    }
    return BankLoader::buildBank(a, ad, standardWordings());
}

class TimedGameTest : public ::testing::Test {
  protected:
    TimedGameTest() : bank(tenEntryBank()), session(bank, random, effects)
    {
        session.startUp();
        session.NextQuestion();
        effects.onHighScores = [this] { checkscoreSeen.push_back(session.state().checkscore); };
    }

    void start()
    {
        session.timedChosen();
        session.startStopClicked();
    }
    void right() { session.answerClicked(s().AnsPos[0]); }
    void wrong() { session.answerClicked(s().AnsPos[1]); }
    void ticks(int n)
    {
        for (int i = 0; i < n; ++i)
            session.tick();
    }
    QuizState &s() { return session.state(); }
    const MainView &v() { return session.view(); }

    QuestionBank bank;
    SeededRandom random;
    FakeEffects effects;
    QuizSession session;
    std::vector<int> checkscoreSeen;
};

struct PenaltyRow {
    int level;
    int rightClean;
    int rightAfterOne;
    int rightAfterTwo;
    int wrong;
    int remainingAfterWrong; // a wrong answer adds NumLevel - 1 questions
};

class PenaltyTable : public TimedGameTest, public ::testing::WithParamInterface<PenaltyRow> {};

TEST_P(PenaltyTable, PointsPerAnswerAndQuestionsRemaining)
{
    const PenaltyRow &row = GetParam();
    start();
    s().NumLevel = row.level;
    s().NumTotal = 50; // no level end in this test
    s().NumScore = 10000;

    auto delta = [this](auto answer) {
        const int before = s().NumScore;
        answer();
        return s().NumScore - before;
    };
    EXPECT_EQ(delta([this] { right(); }), row.rightClean);
    EXPECT_EQ(delta([this] { wrong(); }), row.wrong);
    EXPECT_EQ(s().NumTotal, 49 + row.remainingAfterWrong);
    EXPECT_EQ(v().lblTotalT, QStringLiteral("Questions\rRemaining: ") + SignedText(s().NumTotal));
    EXPECT_EQ(delta([this] { right(); }), row.rightAfterOne);
    EXPECT_EQ(delta([this] { wrong(); }), row.wrong);
    EXPECT_EQ(delta([this] { right(); }), row.rightAfterTwo);
    EXPECT_EQ(delta([this] { right(); }), row.rightAfterTwo);
    EXPECT_EQ(s().NumWrong, 2);
}

INSTANTIATE_TEST_SUITE_P(Levels, PenaltyTable,
                         ::testing::Values(PenaltyRow{1, 2, 1, 1, -1, -1},
                                           PenaltyRow{2, 4, 1, 1, -4, 0},
                                           PenaltyRow{3, 6, 2, 1, -9, 1},
                                           PenaltyRow{5, 10, 4, 3, -25, 3},
                                           PenaltyRow{10, 20, 9, 8, -100, 8}));

TEST_F(TimedGameTest, WrongAnswerAtZeroKeepsZeroAndTheNextRightEarnsOne)
{
    start();
    wrong();
    EXPECT_EQ(s().NumScore, 0);
    right();
    EXPECT_EQ(s().NumScore, 1);
}

TEST_F(TimedGameTest, ChoosingTimedShowsTheIdleState)
{
    EXPECT_EQ(v().lblCorrectT, "Correct: 0"); // the design text, before any choice
    session.timedChosen();
    EXPECT_EQ(v().lblCorrectT, "Correct:  0");
    EXPECT_EQ(v().lblWrongT, "Wrong:  0");
    EXPECT_EQ(v().lblTotalT, "Questions\rRemaining:  12");
    EXPECT_EQ(v().lblScore, "SCORE:  0");
    EXPECT_EQ(v().lblLevel, "Level:  1");
    EXPECT_EQ(v().timeRemain, "");
    EXPECT_EQ(v().startStopCaption, "Start Quiz");
    EXPECT_TRUE(v().question.startsWith("You Have Selected the Timed Quiz.\rIn This Mode"));
    EXPECT_TRUE(v().question.endsWith("Will Increase.\r\rPress Start To Begin."));
    for (const auto &b : v().answers) {
        EXPECT_FALSE(b.enabled);
        EXPECT_TRUE(b.caption.isEmpty());
    }
    EXPECT_FALSE(effects.timerOn);
}

TEST_F(TimedGameTest, TimeOutEndsTheGameWithTheBadCueAndTheScoreOffer)
{
    start();
    right();
    right();
    ticks(59);
    EXPECT_TRUE(checkscoreSeen.empty());
    effects.log.clear();
    ticks(1);

    EXPECT_EQ(v().timeRemain, "0");
    EXPECT_EQ(v().question, "Time's Up!!.\rYour Final Score Is:  4\r\rPress Start To Begin A New "
                            "Timed Quiz.");
    EXPECT_EQ(effects.log, (QStringList{"timer off", "cue bad.wav", "high scores"}));
    EXPECT_EQ(checkscoreSeen, std::vector<int>{1});
    EXPECT_EQ(s().checkscore, 0);
    EXPECT_EQ(s().TimedRunning, 0);
    EXPECT_EQ(v().startStopCaption, "Start Quiz");
    for (const auto &b : v().answers)
        EXPECT_FALSE(b.enabled);
}

// End Quiz, or a switch to Standard, drops the game: no cue, no offer.
TEST_F(TimedGameTest, EndingOrLeavingAGameIsSilentAndOffersNothing)
{
    start();
    right();
    effects.log.clear();
    session.startStopClicked();
    EXPECT_EQ(v().question, "You Have Ended the Timed Quiz.\rYour Ending Score Is:  2\r\rPress "
                            "Start To Begin A New Timed Quiz.");
    EXPECT_EQ(v().lblScore, "SCORE:  2");

    session.startStopClicked();
    right();
    session.standardChosen();
    EXPECT_EQ(effects.log, (QStringList{"timer off", "timer on", "timer off"}));
    EXPECT_EQ(s().QuizType, QuizState::Standard);
    EXPECT_EQ(s().NumScore, 0);
    EXPECT_EQ(v().lblTotal, "0");
    EXPECT_TRUE(v().standardFrameVisible);
    EXPECT_FALSE(v().timedFrameVisible);
    for (const auto &b : v().answers)
        EXPECT_TRUE(b.enabled);
    EXPECT_TRUE(checkscoreSeen.empty());
}

TEST_F(TimedGameTest, CleanFirstLevelEarnsTheTimeBonus)
{
    start();
    ticks(37); // 23 ticks left
    bool timerOffDuringBox = false;
    effects.onMessage = [&] { timerOffDuringBox = !effects.timerOn; };
    for (int i = 0; i < 12; ++i)
        right();
    EXPECT_EQ(s().NumScore, 24 + 46);
    EXPECT_TRUE(effects.log.contains(
        "box Level  1 Complete | Level  1 Completed.\rPress OK To Start Level  2"));
    EXPECT_TRUE(timerOffDuringBox);
    EXPECT_TRUE(effects.timerOn);
    EXPECT_EQ(s().NumLevel, 2);
    EXPECT_EQ(s().NumTotal, 13);
    EXPECT_EQ(s().TimeLeft, 61);
    EXPECT_EQ(v().lblLevel, "Level:  2");
    EXPECT_EQ(v().lblCorrectT, "Correct:  0");
    ticks(1);
    EXPECT_EQ(v().timeRemain, "60");
}

TEST_F(TimedGameTest, WrongLastAnswerEndsTheLevelWithoutBonus)
{
    start();
    for (int i = 0; i < 11; ++i)
        right();
    wrong();
    EXPECT_EQ(s().NumLevel, 2);
    EXPECT_EQ(s().NumScore, 22 - 1);
}

TEST_F(TimedGameTest, PenaltyStartsAfreshInEachLevelAndEachGame)
{
    start();
    wrong(); // level 1: 12 - 1 = 11 left, penalty 1
    for (int i = 0; i < 11; ++i)
        right();
    ASSERT_EQ(s().NumLevel, 2);
    EXPECT_EQ(s().PenaltyCarry, 0);
    int before = s().NumScore;
    right();
    EXPECT_EQ(s().NumScore - before, 4);

    wrong();                    // level 2 penalty
    session.startStopClicked(); // end
    session.startStopClicked(); // a new game
    EXPECT_EQ(s().NumLevel, 1);
    EXPECT_EQ(s().NumScore, 0);
    right();
    EXPECT_EQ(s().NumScore, 2);
}

} // namespace
