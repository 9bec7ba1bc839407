#pragma once

#include "core/quiz/QuizContext.h"

#include <cstdint>

// The quiz rules behind the main window, one method per event. Each event
// changes the quiz variables and the view; the window renders the view and
// hands the effects (sound, countdown, modal windows) to the platform.
class QuizSession {
  public:
    QuizSession(const QuestionBank &bank, RandomSource &random, QuizEffects &effects);

    const QuizState &state() const { return m_ctx.state; }
    QuizState &state() { return m_ctx.state; }
    const MainView &view() const { return m_ctx.view; }
    const QuestionBank &bank() const { return m_ctx.bank; }

    // The quiz variables and the view as a fresh run starts them: the
    // Standard quiz, all counters at zero.
    void startUp();
    void NextQuestion();

    // k is the button number, 1..6.
    void answerClicked(int k);
    void showCorrectClicked();
    void nextClicked();

    void standardChosen();
    void timedChosen();
    void startStopClicked();
    void tick();

  private:
    void beginEvent() { m_ctx.view.focus.reset(); }

    QuizContext m_ctx;
};
