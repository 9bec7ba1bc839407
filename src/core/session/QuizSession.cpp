#include "QuizSession.h"

#include "core/quiz/QuestionBank.h"
#include "core/quiz/QuestionDraw.h"
#include "core/quiz/StandardFlow.h"
#include "core/record/QuestionKey.h"
#include "core/record/ReviewPicker.h"
#include "core/timed/TimedGame.h"

QuizSession::QuizSession(const QuestionBank &bank, RandomSource &random, QuizEffects &effects)
    : m_ctx{QuizState{}, MainView{}, bank, random, effects}
{
    m_shown.start();
}

QuizSession::~QuizSession() = default;

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

void QuizSession::endEvent()
{
    if (m_ctx.questionsShown != m_shownCount) {
        m_shownCount = m_ctx.questionsShown;
        m_shown.restart();
    }
}

void QuizSession::NextQuestion()
{
    beginEvent();
    QuestionDraw::NextQuestion(m_ctx);
    endEvent();
}

void QuizSession::recordAnswer(AnswerOutcome outcome)
{
    const QuizState &s = m_ctx.state;
    if (isFirstTry(outcome) && m_review)
        m_review->noteFirstTry(s.CurEntry, outcome == AnswerOutcome::FirstRight);
    if (!m_sink)
        return;
    const BankEntry &entry = m_ctx.bank.Bank[s.CurEntry];
    AnswerEvent e;
    e.key = QuestionKey::ofEntry(m_ctx.bank, s.CurEntry);
    e.wording = entry.Wording;
    e.subject = m_ctx.bank.subject(s.CurEntry);
    e.rightAnswer = m_ctx.bank.answer(s.CurEntry, 0);
    e.quiz = m_review                            ? RecordedQuiz::Review
             : s.QuizType == QuizState::Standard ? RecordedQuiz::Standard
                                                 : RecordedQuiz::Timed;
    e.outcome = outcome;
    e.at = QDateTime::currentDateTimeUtc();
    e.durationMs = m_shown.elapsed();
    m_sink->record(e);
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
        if (s.WrongTries == 0)
            recordAnswer(right ? AnswerOutcome::FirstRight : AnswerOutcome::FirstWrong);
        else
            recordAnswer(right ? AnswerOutcome::SecondRight : AnswerOutcome::SecondWrong);
        if (right)
            StandardFlow::rightAnswer(m_ctx);
        else
            StandardFlow::WrongAnswer(m_ctx, k);
        if (m_review && m_review->dueCount() == 0) {
            m_ctx.effects.showMessage(
                QStringLiteral("Every question due for review has now been answered right at "
                               "the first try twice in a row.\rBack to the Standard quiz."),
                QStringLiteral("Review Mistakes"));
            leaveReview();
            TimedGame::Menu_Standard_Click(m_ctx);
        }
    } else {
        if (s.TimedRunning == 1)
            recordAnswer(right ? AnswerOutcome::FirstRight : AnswerOutcome::FirstWrong);
        TimedGame::answerClicked(m_ctx, right);
    }
    endEvent();
}

void QuizSession::showCorrectClicked()
{
    beginEvent();
    const MainView &v = m_ctx.view;
    if (v.showCorrectVisible && v.showCorrectEnabled)
        recordAnswer(AnswerOutcome::ShowCorrect);
    StandardFlow::btn_showcorrect_Click(m_ctx);
    endEvent();
}

void QuizSession::nextClicked()
{
    beginEvent();
    if (m_ctx.view.nextVisible)
        recordAnswer(AnswerOutcome::Next);
    StandardFlow::btn_next_Click(m_ctx);
    endEvent();
}

void QuizSession::leaveReview()
{
    m_review.reset();
    m_ctx.picker = nullptr;
    m_ctx.view.menuReviewChecked = false;
}

void QuizSession::standardChosen()
{
    beginEvent();
    leaveReview();
    TimedGame::Menu_Standard_Click(m_ctx);
    endEvent();
}

void QuizSession::timedChosen()
{
    beginEvent();
    leaveReview();
    TimedGame::Menu_Timed_Click(m_ctx);
    endEvent();
}

void QuizSession::startStopClicked()
{
    beginEvent();
    TimedGame::Btn_StartStop_Click(m_ctx);
    endEvent();
}

void QuizSession::tick()
{
    beginEvent();
    TimedGame::Timer_Timer(m_ctx);
    endEvent();
}

int QuizSession::reviewDueCount() const
{
    return m_review ? m_review->dueCount() : 0;
}

void QuizSession::reviewChosen(const std::vector<DueItem> &due)
{
    beginEvent();
    if (m_ctx.view.menuReviewChecked)
        return;
    auto review = std::make_unique<ReviewPicker>(m_ctx.bank, due);
    if (review->dueCount() == 0) {
        m_ctx.effects.showMessage(
            QStringLiteral("No questions are due for review.\rA question comes up for review "
                           "when it is answered wrong at the first try, and leaves the review "
                           "once it is answered right at the first try twice in a row."),
            QStringLiteral("Review Mistakes"));
        return;
    }
    // The drill runs on the Standard quiz's screen with its counters from
    // zero; neither quiz type is checked while it runs, so choosing either
    // one leaves it.
    m_review = std::move(review);
    m_ctx.picker = m_review.get();
    MainView &v = m_ctx.view;
    v.menuStandardChecked = false;
    TimedGame::Menu_Standard_Click(m_ctx);
    v.menuStandardChecked = false;
    v.menuReviewChecked = true;
    endEvent();
}
