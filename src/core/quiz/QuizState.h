#pragma once

#include <array>
#include <cstdint>

// The quiz variables of the main window, for both quiz types.
struct QuizState {
    enum Type : std::int16_t { Standard = 1, Timed = 2 };

    std::int16_t QuizType = Standard;
    std::int32_t NumCorrect = 0; // Timed: in the current level
    std::int32_t NumWrong = 0;   // Timed: in the current level
    std::int32_t NumTotal = 0;   // Standard: counted so far; Timed: still to answer
    std::int32_t NumScore = 0;
    std::int32_t NumLevel = 1;
    std::int16_t TimedRunning = 0;
    std::int16_t checkscore = 0;
    std::int16_t CurEntry = 0;
    std::int32_t LastEntry = 0;
    // AnsPos[k] is the button (1..6) showing answer k+1; AnsPos[0] holds the right one.
    std::array<std::int8_t, 6> AnsPos = {1, 2, 3, 4, 5, 6};
    std::int16_t WrongTries = 0;
    std::int8_t MissCounted = 0;
    std::int32_t TimeLeft = 60;
    std::int32_t PenaltyCarry = 0;
};
