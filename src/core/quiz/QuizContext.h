#pragma once

#include "MainView.h"
#include "QuizEffects.h"
#include "QuizState.h"

struct QuestionBank;
class RandomSource;

// The state one event handler works on: the quiz variables, the view they
// produce, and the services reached from them.
struct QuizContext {
    QuizState state;
    MainView view;
    const QuestionBank &bank;
    RandomSource &random;
    QuizEffects &effects;

    void focusFirstAnswerIfEnabled()
    {
        if (view.answers[0].enabled)
            view.focus = MainView::Control::Answer1;
    }
};
