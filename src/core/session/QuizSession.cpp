#include "QuizSession.h"

#include "core/quiz/QuestionDraw.h"
#include "core/quiz/StandardFlow.h"
#include "core/timed/TimedGame.h"

QuizSession::QuizSession(const QuestionBank &bank, RandomSource &random, QuizEffects &effects)
    : m_ctx{QuizState{}, MainView{}, bank, random, effects}
{
}

void QuizSession::startUp()
{
    QuizState &s = m_ctx.state;
    s.checkscore = 0;
    s.TimedRunning = 0;
    s.QuizType = QuizState::Standard;
    s.NumCorrect = s.NumWrong = s.NumTotal = 0;
    s.NumLevel = 1;
    s.NumScore = 0;
    m_ctx.view.timeColour = MainView::TextColour::Navy;
    m_ctx.view.startStopCaption = QStringLiteral("Start Quiz");
}

void QuizSession::NextQuestion()
{
    beginEvent();
    QuestionDraw::NextQuestion(m_ctx);
}

void QuizSession::answerClicked(int k)
{
    beginEvent();
    QuizState &s = m_ctx.state;
    if (s.QuizType != QuizState::Standard && s.QuizType != QuizState::Timed)
        return;
    m_ctx.focusFirstAnswerIfEnabled();
    const bool right = k == s.AnsPos[0];

    if (s.QuizType == QuizState::Standard) {
        if (right)
            StandardFlow::rightAnswer(m_ctx);
        else
            StandardFlow::WrongAnswer(m_ctx, k);
        return;
    }

    TimedGame::answerClicked(m_ctx, right);
}

void QuizSession::showCorrectClicked()
{
    beginEvent();
    StandardFlow::btn_showcorrect_Click(m_ctx);
}

void QuizSession::nextClicked()
{
    beginEvent();
    StandardFlow::btn_next_Click(m_ctx);
}

void QuizSession::standardChosen()
{
    beginEvent();
    TimedGame::Menu_Standard_Click(m_ctx);
}

void QuizSession::timedChosen()
{
    beginEvent();
    TimedGame::Menu_Timed_Click(m_ctx);
}

void QuizSession::startStopClicked()
{
    beginEvent();
    TimedGame::Btn_StartStop_Click(m_ctx);
}

void QuizSession::tick()
{
    beginEvent();
    TimedGame::Timer_Timer(m_ctx);
}
