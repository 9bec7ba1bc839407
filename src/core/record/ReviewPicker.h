#pragma once

#include "DrillPicker.h"
#include "RecordTypes.h"

#include <vector>

struct QuestionBank;

// The questions due for review that the loaded bank holds, and the order of
// the drill: the most often missed first, never the same question twice in
// a row while two or more are due. Questions answered in the drill update
// the list at once, so the drill needs no round trip to the file.
class ReviewPicker final : public DrillPicker {
  public:
    ReviewPicker(const QuestionBank &bank, const std::vector<DueItem> &due);

    int dueCount() const override { return int(m_items.size()); }
    int pickEntry(int lastEntry) override;
    // A first try at an entry in the drill.
    void noteFirstTry(int entry, bool right) override;

  private:
    struct Item {
        int entry = 0;
        int missed = 0;
        DueState state;
        std::uint64_t lastPicked = 0;
    };
    std::vector<Item> m_items;
    std::uint64_t m_turn = 0;
};
