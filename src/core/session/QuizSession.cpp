#include "QuizSession.h"

#include "core/quiz/QuestionBank.h"
#include "core/quiz/QuestionDraw.h"
#include "core/quiz/StandardFlow.h"
#include "core/record/DuePicker.h"
#include "core/record/QuestionKey.h"
#include "core/record/ReviewPicker.h"
#include "core/timed/TimedGame.h"

QuizSession::QuizSession(const QuestionBank &bank, RandomSource &random, QuizEffects &effects)
    : m_ctx{QuizState{}, MainView{}, bank, random, effects}
{
    m_shown.start();
}

QuizSession::~QuizSession() = default;

void QuizSession::start()
{
    QuizState &s = m_ctx.state;
    // A fresh start comes with a (re)loaded bank.
    m_bankQuestions.reset();
    s.gameRunning = false;
    s.type = QuizType::Standard;
    s.correct = s.wrong = s.answered = s.remaining = 0;
    s.level = 1;
    s.score = 0;
    m_ctx.view.timed.timeColour = MainView::TextColour::Navy;
    m_ctx.view.startStopCaption = QStringLiteral("Start Quiz");
}

void QuizSession::endEvent()
{
    m_ctx.view.reviewStatus =
        m_review ? QStringLiteral("Review Mistakes: %1 due").arg(m_review->dueCount()) : QString();
    if (m_ctx.questionsShown != m_shownCount) {
        m_shownCount = m_ctx.questionsShown;
        m_shown.restart();
    }
}

void QuizSession::drawQuestion()
{
    beginEvent();
    QuestionDraw::nextQuestion(m_ctx);
    endEvent();
}

void QuizSession::recordAnswer(AnswerOutcome outcome)
{
    const QuizState &s = m_ctx.state;
    if (isFirstTry(outcome) && m_review)
        m_review->noteFirstTry(s.entry, outcome == AnswerOutcome::FirstRight);
    if (!m_sink)
        return;
    const BankEntry &entry = m_ctx.bank.entries[s.entry];
    AnswerEvent e;
    e.key = QuestionKey::ofEntry(m_ctx.bank, s.entry);
    e.wording = entry.wording;
    e.subject = m_ctx.bank.subject(s.entry);
    e.rightAnswer = m_ctx.bank.answer(s.entry, 0);
    e.quiz = m_review                       ? RecordedQuiz::Review
             : s.type == QuizType::Standard ? RecordedQuiz::Standard
                                            : RecordedQuiz::Timed;
    e.outcome = outcome;
    e.at = QDateTime::currentDateTimeUtc();
    e.durationMs = m_shown.elapsed();
    m_sink->record(e);
}

void QuizSession::answer(int k)
{
    beginEvent();
    const QuizState &s = m_ctx.state;
    m_ctx.focusFirstAnswerIfEnabled();
    const bool right = k == s.answerButtons[0];

    if (s.type == QuizType::Standard) {
        if (s.wrongTries == 0)
            recordAnswer(right ? AnswerOutcome::FirstRight : AnswerOutcome::FirstWrong);
        else
            recordAnswer(right ? AnswerOutcome::SecondRight : AnswerOutcome::SecondWrong);
        if (right)
            StandardFlow::rightAnswer(m_ctx);
        else
            StandardFlow::wrongAnswer(m_ctx, k);
        finishDrillIfDone();
    } else {
        if (s.gameRunning)
            recordAnswer(right ? AnswerOutcome::FirstRight : AnswerOutcome::FirstWrong);
        TimedGame::answer(m_ctx, right);
    }
    endEvent();
}

void QuizSession::revealAnswer()
{
    beginEvent();
    const MainView &v = m_ctx.view;
    if (v.showCorrectVisible && v.showCorrectEnabled)
        recordAnswer(AnswerOutcome::ShowCorrect);
    StandardFlow::revealAnswer(m_ctx);
    endEvent();
}

void QuizSession::next()
{
    beginEvent();
    if (m_ctx.view.nextVisible)
        recordAnswer(AnswerOutcome::Next);
    StandardFlow::next(m_ctx);
    finishDrillIfDone();
    endEvent();
}

void QuizSession::finishDrillIfDone()
{
    if (!m_review || m_review->dueCount() > 0)
        return;
    m_ctx.effects.showMessage(drillFinishedText(m_drill), drillTitle(m_drill));
    leaveReview();
    enterStandard();
}

void QuizSession::leaveReview()
{
    m_review.reset();
    m_ctx.picker = nullptr;
    m_ctx.view.checked.review = false;
    m_ctx.view.checked.reviewDue = false;
}

void QuizSession::enterStandard()
{
    if (m_ctx.view.checked.standard)
        return;
    StandardFlow::enter(m_ctx);
    m_ctx.state.ticksLeft = TimedGame::FirstLevelTicks;
}

void QuizSession::chooseQuizType(QuizType type)
{
    beginEvent();
    leaveReview();
    if (type == QuizType::Standard)
        enterStandard();
    else if (!m_ctx.view.checked.timed)
        TimedGame::enter(m_ctx);
    endEvent();
}

void QuizSession::startOrStopGame()
{
    beginEvent();
    TimedGame::startOrStop(m_ctx);
    endEvent();
}

void QuizSession::countdownTicked()
{
    beginEvent();
    TimedGame::countdownTicked(m_ctx);
    endEvent();
}

void QuizSession::startReview(const std::vector<DueItem> &due)
{
    beginEvent();
    if (m_ctx.view.checked.review)
        return;
    startDrill(std::make_unique<ReviewPicker>(m_ctx.bank, due), Drill::Mistakes,
               QStringLiteral("No questions are due for review.\rA question comes up for review "
                              "when it is answered wrong at the first try, and leaves the review "
                              "once it is answered right at the first try twice in a row."));
}

void QuizSession::startDueReview(const std::vector<MemoryEntry> &entries,
                                 const StudySettings &settings, QDate today)
{
    beginEvent();
    if (m_ctx.view.checked.reviewDue)
        return;
    const StudyPlan plan(settings, today);
    const std::vector<BankQuestion> &bank = bankQuestions();
    QString nothing = QStringLiteral("Nothing is due for review today.");
    if (const std::optional<QDate> next = plan.nextDueDate(entries, bank))
        nothing += QStringLiteral("\rThe next question falls due %1%2.")
                       .arg(*next == today.addDays(1) ? QStringLiteral("tomorrow, ") : QString(),
                            next->toString(QStringLiteral("dddd d MMMM yyyy")));
    startDrill(std::make_unique<DuePicker>(bank, plan.reviewOrder(entries, bank)), Drill::Due,
               nothing);
}

void QuizSession::startPractice(const std::vector<QByteArray> &keys)
{
    beginEvent();
    startDrill(std::make_unique<DuePicker>(bankQuestions(), keys), Drill::Practice,
               QStringLiteral("None of these questions is in the bank now loaded."));
}

const std::vector<BankQuestion> &QuizSession::bankQuestions()
{
    // Keys are hashes of the texts: worked out once per bank.
    if (!m_bankQuestions)
        m_bankQuestions = StudyPlan::bankQuestions(m_ctx.bank);
    return *m_bankQuestions;
}

void QuizSession::startDrill(std::unique_ptr<DrillPicker> picker, Drill kind,
                             const QString &nothingDue)
{
    if (picker->dueCount() == 0) {
        m_ctx.effects.showMessage(nothingDue, drillTitle(kind));
        return;
    }
    // The drill runs on the Standard quiz's screen with its counters from
    // zero; neither quiz type is checked while it runs, so choosing either
    // one leaves it.
    leaveReview();
    m_review = std::move(picker);
    m_drill = kind;
    m_ctx.picker = m_review.get();
    MainView &v = m_ctx.view;
    v.checked.standard = false;
    enterStandard();
    v.checked.standard = false;
    v.checked.review = kind == Drill::Mistakes;
    v.checked.reviewDue = kind == Drill::Due;
    endEvent();
}

QString QuizSession::drillTitle(Drill kind)
{
    switch (kind) {
    case Drill::Mistakes:
        return QStringLiteral("Review Mistakes");
    case Drill::Due:
        return QStringLiteral("Review Due");
    case Drill::Practice:
        break;
    }
    return QStringLiteral("Practice");
}

QString QuizSession::drillFinishedText(Drill kind)
{
    switch (kind) {
    case Drill::Mistakes:
        return QStringLiteral("Every question due for review has now been answered right at "
                              "the first try twice in a row.\rBack to the Standard quiz.");
    case Drill::Due:
        return QStringLiteral("Every question due today has now been answered.\rBack to the "
                              "Standard quiz.");
    case Drill::Practice:
        break;
    }
    return QStringLiteral("Every question of this practice has now been answered.\rBack to the "
                          "Standard quiz.");
}
