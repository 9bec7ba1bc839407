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
    s.QuizType = QuizState::Timed;
    clearAnswers(v, false);
    v.question = message;
    v.startStopCaption = QStringLiteral("Start Quiz");
}

void offerScore(QuizContext &ctx)
{
    ctx.state.checkscore = 1;
    ctx.effects.showHighScores();
    ctx.state.checkscore = 0;
}

} // namespace

std::int32_t LevelSize(std::int32_t level)
{
    if (level <= 1)
        return 12;
    if (level == 2)
        return 13;
    if (level == 3)
        return 14;
    return 15;
}

void Menu_Standard_Click(QuizContext &ctx)
{
    MainView &v = ctx.view;
    if (v.menuStandardChecked)
        return;
    QuizState &s = ctx.state;
    ctx.effects.setTimerOn(false);
    v.menuStandardChecked = true;
    v.menuTimedChecked = false;
    v.standardFrameVisible = true;
    v.timedFrameVisible = false;
    v.startStopVisible = false;
    s.QuizType = QuizState::Standard;
    s.NumCorrect = s.NumWrong = s.NumTotal = s.NumScore = 0;
    s.TimeLeft = FirstLevelTicks;
    QuestionDraw::NextQuestion(ctx);
}

void Menu_Timed_Click(QuizContext &ctx)
{
    MainView &v = ctx.view;
    if (v.menuTimedChecked)
        return;
    QuizState &s = ctx.state;
    ctx.effects.setTimerOn(false);
    v.menuStandardChecked = false;
    v.menuTimedChecked = true;
    v.standardFrameVisible = false;
    v.timedFrameVisible = true;
    v.startStopVisible = true;
    v.nextVisible = false;
    v.showCorrectVisible = false;
    for (auto &button : v.answers)
        button.colour = MainView::ButtonColour::Face;
    v.questionColour = TextColour::Navy;
    s.QuizType = QuizState::Timed;
    clearAnswers(v, false);
    v.question = QStringLiteral(
        "You Have Selected the Timed Quiz.\rIn This Mode You Will Have A Set Period Of Time In "
        "Which To Answer All The Questions. Failure To Do So In The Time Alotted Will End The "
        "Game. As The Level Rises, The Number Of Questions And/Or The Penalty For Incorrect "
        "Answers Will Increase.\r\rPress Start To Begin.");
    v.startStopCaption = QStringLiteral("Start Quiz");
    s.TimedRunning = 0;
    s.NumTotal = LevelSize(1);
    s.NumCorrect = s.NumWrong = 0;
    s.NumLevel = 1;
    s.NumScore = 0;
    s.TimeLeft = FirstLevelTicks;
    QuestionDraw::refreshCounters(ctx);
    v.timeRemain.clear();
}

void Btn_StartStop_Click(QuizContext &ctx)
{
    QuizState &s = ctx.state;
    MainView &v = ctx.view;
    if (s.TimedRunning == 0) {
        s.TimedRunning = 1;
        s.NumTotal = LevelSize(1);
        s.NumCorrect = s.NumWrong = 0;
        s.NumLevel = 1;
        s.NumScore = 0;
        s.PenaltyCarry = 0;
        v.startStopCaption = QStringLiteral("End Quiz");
        s.TimeLeft = FirstLevelTicks;
        v.timeRemain = PlainText(s.TimeLeft);
        v.timeColour = TextColour::Navy;
        QuestionDraw::NextQuestion(ctx);
        ctx.effects.setTimerOn(true);
        return;
    }
    ctx.effects.setTimerOn(false);
    stopGame(ctx, QStringLiteral("You Have Ended the Timed Quiz.\rYour Ending Score Is: ") +
                      SignedText(s.NumScore) +
                      QStringLiteral("\r\rPress Start To Begin A New Timed Quiz."));
    s.TimedRunning = 0;
    v.lblScore = QStringLiteral("SCORE: ") + SignedText(s.NumScore);
}

void Timer_Timer(QuizContext &ctx)
{
    QuizState &s = ctx.state;
    MainView &v = ctx.view;
    --s.TimeLeft;
    v.timeColour = s.TimeLeft > WarningTicks ? TextColour::Navy : TextColour::DarkRed;
    if (s.TimeLeft == 0) {
        ctx.effects.setTimerOn(false);
        v.timeRemain = PlainText(s.TimeLeft);
        stopGame(ctx, QStringLiteral("Time's Up!!.\rYour Final Score Is: ") +
                          SignedText(s.NumScore) +
                          QStringLiteral("\r\rPress Start To Begin A New Timed Quiz."));
        ctx.effects.playCue(QStringLiteral("bad.wav"));
        s.TimedRunning = 0;
        v.lblScore = QStringLiteral("SCORE: ") + SignedText(s.NumScore);
        offerScore(ctx);
    }
    v.timeRemain = PlainText(s.TimeLeft);
}

void answerClicked(QuizContext &ctx, bool right)
{
    // A wrong answer uses up its question and adds NumLevel - 1 more as a
    // penalty.
    QuizState &s = ctx.state;
    if (right) {
        ++s.NumCorrect;
        --s.NumTotal;
    } else {
        ++s.NumWrong;
        s.NumTotal = s.NumTotal - 2 + s.NumLevel;
    }
    ScoreTimedAnswer(ctx, right ? 1 : 0);
}

void ScoreTimedAnswer(QuizContext &ctx, std::int16_t AnsweredRight)
{
    QuizState &s = ctx.state;
    MainView &v = ctx.view;
    const std::int32_t L = s.NumLevel;

    if (AnsweredRight == 1) {
        s.NumScore += 2 * L - s.PenaltyCarry;
    } else {
        s.NumScore -= L * L;
        s.PenaltyCarry = L == 1 ? 1 : s.NumWrong + L;
        if (s.NumScore < 0)
            s.NumScore = 0;
        if (s.PenaltyCarry >= 2 * L)
            s.PenaltyCarry = 2 * L - 1;
    }
    if (s.NumScore < 0)
        s.NumScore = 0;

    // The level step.
    if (s.NumTotal > 0) {
        QuestionDraw::NextQuestion(ctx);
        return;
    }
    s.NumLevel = L + 1;
    if (AnsweredRight == 1 && s.NumWrong == 0)
        s.NumScore += 2 * s.TimeLeft;

    if (L < LastLevel) {
        const std::int32_t N = L + 1;
        s.NumTotal = LevelSize(N);
        ctx.effects.setTimerOn(false);
        ctx.effects.showMessage(
            QStringLiteral("Level ") + SignedText(L) +
                QStringLiteral(" Completed.\rPress OK To Start Level ") + SignedText(N),
            QStringLiteral("Level ") + SignedText(L) + QStringLiteral(" Complete"));
        ctx.effects.setTimerOn(true);
        s.TimeLeft = LaterLevelTicks;
        s.NumWrong = 0;
        s.PenaltyCarry = 0;
        s.NumCorrect = 0;
        QuestionDraw::NextQuestion(ctx);
        return;
    }

    ctx.effects.setTimerOn(false);
    v.timeRemain = PlainText(s.TimeLeft);
    s.NumLevel = LastLevel;
    s.NumTotal = 0;
    stopGame(ctx, QStringLiteral("Congradulations!!.\rYou Have Finished the Timed Quiz!\r\rYour "
                                 "Final Score is: ") +
                      SignedText(s.NumScore) +
                      QStringLiteral("\r\rPress Start To Begin A New Timed Quiz."));
    ctx.effects.playCue(QStringLiteral("yea.wav"));
    s.TimedRunning = 0;
    v.lblScore = QStringLiteral("SCORE: ") + SignedText(s.NumScore);
    offerScore(ctx);
    QuestionDraw::NextQuestion(ctx);
}

} // namespace TimedGame
