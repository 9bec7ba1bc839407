#pragma once

#include "core/quiz/QuizContext.h"

// The order of a drill over chosen questions (the review of mistakes, the
// review of what is due, a practice): told of each first try, it knows how
// many questions are still to come.
class DrillPicker : public EntryPicker {
  public:
    [[nodiscard]] virtual int dueCount() const = 0;
    virtual void noteFirstTry(int entry, bool right) = 0;
};
