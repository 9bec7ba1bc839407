#pragma once

struct QuizContext;

// The untimed drill: a wrong answer is counted once and leaves one more try
// "without affecting score"; the right answer can be revealed.
namespace StandardFlow {

// Switches to the drill with its counters from zero and a new question.
void enter(QuizContext &ctx);
void rightAnswer(QuizContext &ctx);
// k is the button number, 1..6.
void wrongAnswer(QuizContext &ctx, int k);
void revealAnswer(QuizContext &ctx);
void next(QuizContext &ctx);

} // namespace StandardFlow
