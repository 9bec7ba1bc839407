#include "TimedGame.h"

#include "core/common/NumberText.h"
#include "core/quiz/QuestionDraw.h"
#include "core/quiz/QuizContext.h"

namespace TimedGame {
namespace {

using TextColour = MainView::TextColour;

void clearAnswers(MainView &v, bool enabled)
{
    for (auto &button : v.answers) {
        button.caption.clear();
        button.enabled = enabled;
    }
}

// The steps shared by every way a game stops: the question area shows the
// closing message, the buttons are emptied and the game is no longer running.
void stopGame(QuizContext &ctx, const QString &message)
{
    QuizState &s = ctx.state;
    MainView &v = ctx.view;
    s.type = QuizType::Timed;
    clearAnswers(v, false);
    v.question = message;
    v.startStopCaption = QStringLiteral("Start Quiz");
}

} // namespace

std::int32_t levelSize(std::int32_t level)
{
    if (level <= 1)
        return 12;
    if (level == 2)
        return 13;
    if (level == 3)
        return 14;
    return 15;
}

void enter(QuizContext &ctx)
{
    ctx.showQuizType(QuizType::Timed);
    MainView &v = ctx.view;
    QuizState &s = ctx.state;
    v.nextVisible = false;
    v.showCorrectVisible = false;
    for (auto &button : v.answers)
        button.colour = MainView::ButtonColour::Face;
    v.questionColour = TextColour::Navy;
    clearAnswers(v, false);
    v.question = QStringLiteral(
        "You Have Selected the Timed Quiz.\rIn This Mode You Will Have A Set Period Of Time In "
        "Which To Answer All The Questions. Failure To Do So In The Time Alotted Will End The "
        "Game. As The Level Rises, The Number Of Questions And/Or The Penalty For Incorrect "
        "Answers Will Increase.\r\rPress Start To Begin.");
    v.startStopCaption = QStringLiteral("Start Quiz");
    s.gameRunning = false;
    s.remaining = levelSize(1);
    s.correct = s.wrong = 0;
    s.level = 1;
    s.score = 0;
    s.ticksLeft = FirstLevelTicks;
    QuestionDraw::refreshCounters(ctx);
    v.timed.timeRemaining.clear();
}

void startOrStop(QuizContext &ctx)
{
    QuizState &s = ctx.state;
    MainView &v = ctx.view;
    if (!s.gameRunning) {
        s.gameRunning = true;
        s.remaining = levelSize(1);
        s.correct = s.wrong = 0;
        s.level = 1;
        s.score = 0;
        s.penaltyCarry = 0;
        v.startStopCaption = QStringLiteral("End Quiz");
        s.ticksLeft = FirstLevelTicks;
        v.timed.timeRemaining = plainText(s.ticksLeft);
        v.timed.timeColour = TextColour::Navy;
        QuestionDraw::nextQuestion(ctx);
        ctx.effects.setCountdownRunning(true);
        return;
    }
    ctx.effects.setCountdownRunning(false);
    stopGame(ctx, QStringLiteral("You Have Ended the Timed Quiz.\rYour Ending Score Is: ") +
                      signedText(s.score) +
                      QStringLiteral("\r\rPress Start To Begin A New Timed Quiz."));
    s.gameRunning = false;
    v.timed.score = QStringLiteral("SCORE: ") + signedText(s.score);
}

void countdownTicked(QuizContext &ctx)
{
    QuizState &s = ctx.state;
    MainView &v = ctx.view;
    --s.ticksLeft;
    v.timed.timeColour = s.ticksLeft > WarningTicks ? TextColour::Navy : TextColour::DarkRed;
    if (s.ticksLeft == 0) {
        ctx.effects.setCountdownRunning(false);
        v.timed.timeRemaining = plainText(s.ticksLeft);
        stopGame(ctx, QStringLiteral("Time's Up!!.\rYour Final Score Is: ") + signedText(s.score) +
                          QStringLiteral("\r\rPress Start To Begin A New Timed Quiz."));
        ctx.effects.playCue(QStringLiteral("bad.wav"));
        s.gameRunning = false;
        v.timed.score = QStringLiteral("SCORE: ") + signedText(s.score);
        ctx.effects.offerHighScore(s.score);
    }
    v.timed.timeRemaining = plainText(s.ticksLeft);
}

void answer(QuizContext &ctx, bool right)
{
    // A wrong answer uses up its question and adds level - 1 more as a
    // penalty.
    QuizState &s = ctx.state;
    if (right) {
        ++s.correct;
        --s.remaining;
    } else {
        ++s.wrong;
        s.remaining = s.remaining - 2 + s.level;
    }
    scoreAnswer(ctx, right);
}

void scoreAnswer(QuizContext &ctx, bool right)
{
    QuizState &s = ctx.state;
    MainView &v = ctx.view;
    const std::int32_t L = s.level;

    if (right) {
        s.score += 2 * L - s.penaltyCarry;
    } else {
        s.score -= L * L;
        s.penaltyCarry = L == 1 ? 1 : s.wrong + L;
        if (s.score < 0)
            s.score = 0;
        if (s.penaltyCarry >= 2 * L)
            s.penaltyCarry = 2 * L - 1;
    }
    if (s.score < 0)
        s.score = 0;

    // The level step.
    if (s.remaining > 0) {
        QuestionDraw::nextQuestion(ctx);
        return;
    }
    s.level = L + 1;
    if (right && s.wrong == 0)
        s.score += 2 * s.ticksLeft;

    if (L < LastLevel) {
        const std::int32_t N = L + 1;
        s.remaining = levelSize(N);
        ctx.effects.setCountdownRunning(false);
        ctx.effects.showMessage(
            QStringLiteral("Level ") + signedText(L) +
                QStringLiteral(" Completed.\rPress OK To Start Level ") + signedText(N),
            QStringLiteral("Level ") + signedText(L) + QStringLiteral(" Complete"));
        ctx.effects.setCountdownRunning(true);
        s.ticksLeft = LaterLevelTicks;
        s.wrong = 0;
        s.penaltyCarry = 0;
        s.correct = 0;
        QuestionDraw::nextQuestion(ctx);
        return;
    }

    ctx.effects.setCountdownRunning(false);
    v.timed.timeRemaining = plainText(s.ticksLeft);
    s.level = LastLevel;
    s.remaining = 0;
    stopGame(ctx, QStringLiteral("Congradulations!!.\rYou Have Finished the Timed Quiz!\r\rYour "
                                 "Final Score is: ") +
                      signedText(s.score) +
                      QStringLiteral("\r\rPress Start To Begin A New Timed Quiz."));
    ctx.effects.playCue(QStringLiteral("yea.wav"));
    s.gameRunning = false;
    v.timed.score = QStringLiteral("SCORE: ") + signedText(s.score);
    ctx.effects.offerHighScore(s.score);
    QuestionDraw::nextQuestion(ctx);
}

} // namespace TimedGame
