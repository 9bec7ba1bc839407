#pragma once

struct QuizContext;

// The untimed drill: a wrong answer is counted once and leaves one more try
// "without affecting score"; the right answer can be revealed.
namespace StandardFlow {

void rightAnswer(QuizContext &ctx);
void WrongAnswer(QuizContext &ctx, int k);
void btn_showcorrect_Click(QuizContext &ctx);
void btn_next_Click(QuizContext &ctx);

} // namespace StandardFlow
