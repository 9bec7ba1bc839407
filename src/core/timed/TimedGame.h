#pragma once

#include <cstdint>

struct QuizContext;

// The choice of quiz type and the timed game: ten levels against a
// countdown, a score that grows with the level, penalties for wrong
// answers and a bonus for a clean level.
namespace TimedGame {

constexpr int TickMilliseconds = 1300;
constexpr std::int32_t FirstLevelTicks = 60;
constexpr std::int32_t LaterLevelTicks = 61;
constexpr std::int32_t WarningTicks = 5;
constexpr std::int32_t LastLevel = 10;

// Questions a level starts with.
std::int32_t LevelSize(std::int32_t level);

void Menu_Standard_Click(QuizContext &ctx);
void Menu_Timed_Click(QuizContext &ctx);
void Btn_StartStop_Click(QuizContext &ctx);
void Timer_Timer(QuizContext &ctx);

// Every click in a running game is final: counts the answer against the
// level's questions and scores it.
void answerClicked(QuizContext &ctx, bool right);

// The counters were already updated by the answer handler; scores the
// answer, then goes on to the next question, the next level or the end.
void ScoreTimedAnswer(QuizContext &ctx, std::int16_t AnsweredRight);

} // namespace TimedGame
