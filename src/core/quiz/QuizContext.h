#pragma once

#include "MainView.h"
#include "QuizEffects.h"
#include "QuizState.h"

#include <cstdint>

struct QuestionBank;
class RandomSource;

// Chooses the next entry instead of the random draw (the review drill).
class EntryPicker {
  public:
    virtual ~EntryPicker() = default;
    // An askable entry of the bank; lastEntry is the one on screen.
    virtual int pickEntry(int lastEntry) = 0;
};

// The state one event handler works on: the quiz variables, the view they
// produce, and the services reached from them.
struct QuizContext {
    QuizState state;
    MainView view;
    const QuestionBank &bank;
    RandomSource &random;
    QuizEffects &effects;
    // None: the random draw.
    EntryPicker *picker = nullptr;
    // Questions put up so far; tells a new question from the same one again.
    std::uint64_t questionsShown = 0;

    // The screen of a quiz type: its menu mark, its box under the question
    // and the Start button of the timed quiz; the countdown stands still.
    void showQuizType(QuizType type)
    {
        const bool timed = type == QuizType::Timed;
        effects.setCountdownRunning(false);
        view.checked.standard = !timed;
        view.checked.timed = timed;
        view.standard.visible = !timed;
        view.timed.visible = timed;
        view.startStopVisible = timed;
        state.type = type;
    }

    void focusFirstAnswerIfEnabled()
    {
        if (view.answers[0].enabled)
            view.focus = MainView::Control::FirstAnswer;
    }
};
