#pragma once

#include <array>
#include <cstdint>

struct QuizContext;
struct QuestionBank;
class RandomSource;

namespace QuestionDraw {

// Writes the counter labels of the current quiz type from the counters.
void refreshCounters(QuizContext &ctx);

// Refreshes the counters of the current quiz type and, unless a timed quiz
// is idle, puts up a new question: a random entry other than the last one
// and never a skip entry, with its six answers on the buttons in random order.
void nextQuestion(QuizContext &ctx);

// The entry draw alone. The bank must have at least two askable entries
// (checked once after loading), or this would never end.
[[nodiscard]] int drawEntry(const QuestionBank &bank, RandomSource &random, int lastEntry);

// A uniformly random arrangement: element k is the button of answer k+1.
[[nodiscard]] std::array<std::int8_t, 6> drawPositions(RandomSource &random);

} // namespace QuestionDraw
