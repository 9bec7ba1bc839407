#pragma once

#include "core/quiz/QuizContext.h"
#include "core/record/RecordTypes.h"

#include <QElapsedTimer>

#include <cstdint>
#include <memory>
#include <vector>

class ReviewPicker;

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

  private:
    void beginEvent() { m_ctx.view.focus.reset(); }
    // Restarts the answer time when a new question has come up.
    void endEvent();
    void recordAnswer(AnswerOutcome outcome);
    void leaveReview();
    // The Standard quiz, unless it is already the one checked.
    void enterStandard();

    QuizContext m_ctx;
    AnswerSink *m_sink = nullptr;
    std::unique_ptr<ReviewPicker> m_review;
    QElapsedTimer m_shown;
    std::uint64_t m_shownCount = 0;
};
