// The timed game's rules on the quiz session alone: scoring, penalties,
// levels, the countdown and how a game ends.
#include "../SessionFixture.h"

#include <gtest/gtest.h>

namespace {

using TimedGameTest = SessionTest;

// Points for right answers in a clean level, after one and after two
// wrong ones, points lost per wrong answer, and the questions a wrong
// answer adds (NumLevel - 1) for a level.
struct PenaltyRow {
    int level, rightClean, rightAfterOne, rightAfterTwo, wrong, remainingAfterWrong;
};

class PenaltyTable : public TimedGameTest, public ::testing::WithParamInterface<PenaltyRow> {};

TEST_P(PenaltyTable, PointsPerAnswerAndQuestionsRemaining)
{
    const PenaltyRow &row = GetParam();
    start();
    s().NumLevel = row.level;
    s().NumTotal = 50; // no level end in this test
    s().NumScore = 10000;
    EXPECT_EQ(right(), row.rightClean);
    EXPECT_EQ(wrong(), row.wrong);
    EXPECT_EQ(s().NumTotal, 49 + row.remainingAfterWrong);
    EXPECT_EQ(right(), row.rightAfterOne);
    EXPECT_EQ(wrong(), row.wrong);
    EXPECT_EQ(right(), row.rightAfterTwo);
    EXPECT_EQ(right(), row.rightAfterTwo);
    EXPECT_EQ(s().NumWrong, 2);
}

INSTANTIATE_TEST_SUITE_P(Levels, PenaltyTable,
                         ::testing::Values(PenaltyRow{1, 2, 1, 1, -1, -1},
                                           PenaltyRow{2, 4, 1, 1, -4, 0},
                                           PenaltyRow{3, 6, 2, 1, -9, 1},
                                           PenaltyRow{5, 10, 4, 3, -25, 3},
                                           PenaltyRow{10, 20, 9, 8, -100, 8}));

TEST_F(TimedGameTest, ChoosingTimedShowsTheIdleState)
{
    session.timedChosen();
    EXPECT_EQ(labels(), (QStringList{"Correct:  0", "Wrong:  0", "Questions\rRemaining:  12",
                                     "SCORE:  0", "Level:  1", "", "Start Quiz"}));
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
    EXPECT_EQ(wrong(), 0); // the score stays at 0
    EXPECT_EQ(right(), 1); // and the penalty still counts
    right();
    ticks(59);
    EXPECT_TRUE(checkscoreSeen.empty());
    effects.log.clear();
    ticks(1);

    EXPECT_EQ(v().timeRemain, "0");
    EXPECT_EQ(v().question, "Time's Up!!.\rYour Final Score Is:  2\r\rPress Start To Begin A New "
                            "Timed Quiz.");
    EXPECT_EQ(effects.log, (QStringList{"timer off", "cue bad.wav", "high scores"}));
    EXPECT_EQ(checkscoreSeen, std::vector<int>{1});
    EXPECT_EQ(s().checkscore, 0);
    EXPECT_EQ(s().TimedRunning, 0);
    EXPECT_EQ(v().startStopCaption, "Start Quiz");
    for (const auto &b : v().answers)
        EXPECT_FALSE(b.enabled);
}

// End Quiz, or a switch to Standard, drops the game: no cue, no offer; a
// new game starts from nothing.
TEST_F(TimedGameTest, EndingOrLeavingAGameIsSilentAndOffersNothing)
{
    start();
    right();
    wrong();
    effects.log.clear();
    session.startStopClicked();
    EXPECT_EQ(v().question, "You Have Ended the Timed Quiz.\rYour Ending Score Is:  1\r\rPress "
                            "Start To Begin A New Timed Quiz.");
    EXPECT_EQ(v().lblScore, "SCORE:  1");

    session.startStopClicked(); // a new game: level 1, no score, no penalty
    EXPECT_EQ(v().lblLevel, "Level:  1");
    EXPECT_EQ(right(), 2);
    session.standardChosen();
    EXPECT_EQ(effects.log, (QStringList{"timer off", "timer on", "timer off"}));
    EXPECT_EQ(s().QuizType, QuizState::Standard);
    EXPECT_EQ(v().lblTotal, "0");
    EXPECT_TRUE(v().standardFrameVisible);
    EXPECT_FALSE(v().timedFrameVisible);
    for (const auto &b : v().answers)
        EXPECT_TRUE(b.enabled);
    EXPECT_TRUE(checkscoreSeen.empty());
}

TEST_F(TimedGameTest, AWrongLastAnswerEndsTheLevelWithoutBonusAndItsPenalty)
{
    start();
    for (int i = 0; i < 11; ++i)
        right();
    wrong();
    ASSERT_EQ(s().NumLevel, 2);
    EXPECT_EQ(s().NumScore, 22 - 1);
    EXPECT_EQ(right(), 4); // the penalty of level 1 is gone
}

// 144 right answers: level L asks 12, 13, 14 and then 15 questions at 2L
// points each, and every clean level adds 2 x the ticks left (61 at the
// start of every level after the first). After the cheer the question
// area keeps the closing message; only the counters are brought up to date.
TEST_F(TimedGameTest, WholeGameOfTenLevels)
{
    start();
    ticks(37); // 23 ticks left in level 1
    int answers = 0;
    for (; s().TimedRunning == 1 && answers < 500; ++answers)
        right();
    EXPECT_EQ(answers, 144);
    EXPECT_EQ(v().question, "Congradulations!!.\rYou Have Finished the Timed Quiz!\r\rYour Final "
                            "Score is:  2774\r\rPress Start To Begin A New Timed Quiz.");
    // The countdown stands still while a level's box is open.
    EXPECT_EQ(
        effects.log.mid(effects.log.size() - 6),
        (QStringList{"timer off",
                     "box Level  9 Complete | Level  9 Completed.\rPress OK To Start Level  10",
                     "timer on", "timer off", "cue yea.wav", "high scores"}));
    EXPECT_EQ(checkscoreSeen, std::vector<int>{1});
    EXPECT_EQ(labels(), (QStringList{"Correct:  15", "Wrong:  0", "Questions\rRemaining:  0",
                                     "SCORE:  2774", "Level:  10", "61", "Start Quiz"}));
    for (const auto &b : v().answers) {
        EXPECT_FALSE(b.enabled);
        EXPECT_TRUE(b.caption.isEmpty());
    }
}

} // namespace
