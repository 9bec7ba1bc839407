#pragma once

#include <array>
#include <cstdint>

enum class QuizType { Standard, Timed };

// The quiz variables of the main window, for both quiz types.
struct QuizState {
    QuizType type = QuizType::Standard;
    std::int32_t correct = 0;   // Timed: in the current level
    std::int32_t wrong = 0;     // Timed: in the current level
    std::int32_t answered = 0;  // Standard: questions counted so far
    std::int32_t remaining = 0; // Timed: questions the level still asks
    std::int32_t score = 0;
    std::int32_t level = 1;
    bool gameRunning = false;
    // The bank entry on screen and the one before it.
    std::int16_t entry = 0;
    std::int32_t lastEntry = 0;
    // answerButtons[k] is the button (1..6) showing answer k+1; element 0
    // holds the right one.
    std::array<std::int8_t, 6> answerButtons = {1, 2, 3, 4, 5, 6};
    std::int16_t wrongTries = 0;
    // The question on screen was already counted wrong.
    bool missCounted = false;
    std::int32_t ticksLeft = 60;
    // Points a right answer gives back after a wrong one.
    std::int32_t penaltyCarry = 0;
};
