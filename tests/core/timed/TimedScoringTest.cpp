// The timed game's rules on the quiz session alone: scoring, penalties,
// levels, the countdown and how a game ends.
#include "../SessionFixture.h"
#include "core/quiz/QuizContext.h"
#include "core/timed/TimedGame.h"

#include <gtest/gtest.h>

namespace {

using TimedGameTest = SessionTest;

// Points for right answers in a clean level, after one and after two
// wrong ones, points lost per wrong answer, and the questions a wrong
// answer adds (level - 1) for a level.
struct PenaltyRow {
    int level, rightClean, rightAfterOne, rightAfterTwo, wrong, remainingAfterWrong;
};

class PenaltyTable : public TimedGameTest, public ::testing::WithParamInterface<PenaltyRow> {};

// The rules on a game already at the row's level, with questions enough
// that no level ends.
TEST_P(PenaltyTable, PointsPerAnswerAndQuestionsRemaining)
{
    const PenaltyRow &row = GetParam();
    QuizContext game{QuizState{}, MainView{}, bank, random, effects};
    game.state.type = QuizType::Timed;
    game.state.gameRunning = true;
    game.state.level = row.level;
    game.state.remaining = 50;
    game.state.score = 10000;
    const auto points = [&game](bool right) {
        const int before = game.state.score;
        TimedGame::answer(game, right);
        return game.state.score - before;
    };
    EXPECT_EQ(points(true), row.rightClean);
    EXPECT_EQ(points(false), row.wrong);
    EXPECT_EQ(game.state.remaining, 49 + row.remainingAfterWrong);
    EXPECT_EQ(points(true), row.rightAfterOne);
    EXPECT_EQ(points(false), row.wrong);
    EXPECT_EQ(points(true), row.rightAfterTwo);
    EXPECT_EQ(points(true), row.rightAfterTwo);
    EXPECT_EQ(game.state.wrong, 2);
}

INSTANTIATE_TEST_SUITE_P(Levels, PenaltyTable,
                         ::testing::Values(PenaltyRow{1, 2, 1, 1, -1, -1},
                                           PenaltyRow{2, 4, 1, 1, -4, 0},
                                           PenaltyRow{3, 6, 2, 1, -9, 1},
                                           PenaltyRow{5, 10, 4, 3, -25, 3},
                                           PenaltyRow{10, 20, 9, 8, -100, 8}));

TEST_F(TimedGameTest, ChoosingTimedShowsTheIdleState)
{
    session.chooseQuizType(QuizType::Timed);
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
    EXPECT_TRUE(effects.offeredScores.empty());
    effects.log.clear();
    ticks(1);

    EXPECT_EQ(v().timed.timeRemaining, "0");
    EXPECT_EQ(v().question, "Time's Up!!.\rYour Final Score Is:  2\r\rPress Start To Begin A New "
                            "Timed Quiz.");
    EXPECT_EQ(effects.log, (QStringList{"timer off", "cue bad.wav", "high scores"}));
    EXPECT_EQ(effects.offeredScores, std::vector<int>{2});
    EXPECT_FALSE(s().gameRunning);
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
    session.startOrStopGame();
    EXPECT_EQ(v().question, "You Have Ended the Timed Quiz.\rYour Ending Score Is:  1\r\rPress "
                            "Start To Begin A New Timed Quiz.");
    EXPECT_EQ(v().timed.score, "SCORE:  1");

    session.startOrStopGame(); // a new game: level 1, no score, no penalty
    EXPECT_EQ(v().timed.level, "Level:  1");
    EXPECT_EQ(right(), 2);
    session.chooseQuizType(QuizType::Standard);
    EXPECT_EQ(effects.log, (QStringList{"timer off", "timer on", "timer off"}));
    EXPECT_EQ(s().type, QuizType::Standard);
    EXPECT_EQ(v().standard.total, "0");
    EXPECT_TRUE(v().standard.visible);
    EXPECT_FALSE(v().timed.visible);
    for (const auto &b : v().answers)
        EXPECT_TRUE(b.enabled);
    EXPECT_TRUE(effects.offeredScores.empty());
}

TEST_F(TimedGameTest, AWrongLastAnswerEndsTheLevelWithoutBonusAndItsPenalty)
{
    start();
    for (int i = 0; i < 11; ++i)
        right();
    wrong();
    ASSERT_EQ(s().level, 2);
    EXPECT_EQ(s().score, 22 - 1);
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
    for (; s().gameRunning && answers < 500; ++answers)
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
    EXPECT_EQ(effects.offeredScores, std::vector<int>{2774});
    EXPECT_EQ(labels(), (QStringList{"Correct:  15", "Wrong:  0", "Questions\rRemaining:  0",
                                     "SCORE:  2774", "Level:  10", "61", "Start Quiz"}));
    for (const auto &b : v().answers) {
        EXPECT_FALSE(b.enabled);
        EXPECT_TRUE(b.caption.isEmpty());
    }
}

} // namespace
