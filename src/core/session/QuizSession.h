#pragma once

#include "core/quiz/QuizContext.h"
#include "core/record/RecordTypes.h"
#include "core/record/StudyPlan.h"

#include <QElapsedTimer>

#include <cstdint>
#include <memory>
#include <vector>

class DrillPicker;

// The quiz rules behind the main window, one method per event. Each event
// changes the quiz variables and the view; the window renders the view and
// hands the effects (sound, countdown, modal windows) to the platform.
class QuizSession {
  public:
    QuizSession(const QuestionBank &bank, RandomSource &random, QuizEffects &effects);
    ~QuizSession();

    const QuizState &state() const { return m_ctx.state; }
    const MainView &view() const { return m_ctx.view; }
    const QuestionBank &bank() const { return m_ctx.bank; }

    // Where every answer of the Standard and Timed quizzes and of the
    // review is handed; none by default.
    void setAnswerSink(AnswerSink *sink) { m_sink = sink; }

    // The quiz variables and the view as a fresh run starts them: the
    // Standard quiz, all counters at zero.
    void start();
    // Puts up a new question (the first one, after start()).
    void drawQuestion();

    // k is the button number, 1..6.
    void answer(int k);
    void revealAnswer();
    void next();

    // Switching to the type already chosen changes nothing.
    void chooseQuizType(QuizType type);
    void startOrStopGame();
    void countdownTicked();

    // The review drill over the questions due (from the record), on the
    // Standard quiz's screen. With none of them in the bank a message says
    // so and the quiz on screen stays.
    void startReview(const std::vector<DueItem> &due);
    [[nodiscard]] bool reviewing() const { return m_review != nullptr; }
    // The review of what is due today (see StudyPlan), on the same screen;
    // with nothing due a message says when the next question falls due.
    void startDueReview(const std::vector<MemoryEntry> &entries, const StudySettings &settings,
                        QDate today);
    // A drill over the given questions, in their order, each asked once.
    void startPractice(const std::vector<QByteArray> &keys);

  private:
    void beginEvent() { m_ctx.view.focus.reset(); }
    // Restarts the answer time when a new question has come up.
    void endEvent();
    void recordAnswer(AnswerOutcome outcome);
    void leaveReview();
    // Back to the Standard quiz once the drill has asked everything.
    void finishDrillIfDone();
    enum class Drill { Mistakes, Due, Practice };
    // Starts a drill unless picker holds nothing, which nothingDue says.
    void startDrill(std::unique_ptr<DrillPicker> picker, Drill kind, const QString &nothingDue);
    const std::vector<BankQuestion> &bankQuestions();
    static QString drillTitle(Drill kind);
    static QString drillFinishedText(Drill kind);
    // The Standard quiz, unless it is already the one checked.
    void enterStandard();

    QuizContext m_ctx;
    AnswerSink *m_sink = nullptr;
    std::unique_ptr<DrillPicker> m_review;
    Drill m_drill = Drill::Mistakes;
    std::optional<std::vector<BankQuestion>> m_bankQuestions;
    QElapsedTimer m_shown;
    std::uint64_t m_shownCount = 0;
};
