#pragma once

#include <cstdint>

struct QuizContext;

// The timed game: ten levels against a countdown, a score that grows with
// the level, penalties for wrong answers and a bonus for a clean level.
namespace TimedGame {

constexpr int TickMilliseconds = 1300;
constexpr std::int32_t FirstLevelTicks = 60;
constexpr std::int32_t LaterLevelTicks = 61;
constexpr std::int32_t WarningTicks = 5;
constexpr std::int32_t LastLevel = 10;

// Questions a level starts with.
[[nodiscard]] std::int32_t levelSize(std::int32_t level);

// Switches to the timed quiz, idle, with its introduction on screen.
void enter(QuizContext &ctx);
void startOrStop(QuizContext &ctx);
void countdownTicked(QuizContext &ctx);

// Every click in a running game is final: counts the answer against the
// level's questions and scores it.
void answer(QuizContext &ctx, bool right);

// The counters were already updated by the answer handler; scores the
// answer, then goes on to the next question, the next level or the end.
void scoreAnswer(QuizContext &ctx, bool right);

} // namespace TimedGame
