#pragma once

#include "DrillPicker.h"
#include "StudyPlan.h"

#include <QByteArray>

#include <vector>

// A drill that asks each of the given questions once, in the given order:
// a question leaves it with its first try, right or wrong, because the
// memory model has already moved it to a later day. A missed one stays
// until the next question is drawn, so its second try is not cut short.
// Keys the bank does not hold are left out.
class DuePicker final : public DrillPicker {
  public:
    DuePicker(const std::vector<BankQuestion> &bank, const std::vector<QByteArray> &keys);

    int dueCount() const override { return int(m_entries.size()); }
    int pickEntry(int lastEntry) override;
    void noteFirstTry(int entry, bool right) override;

  private:
    std::vector<int> m_entries;
    int m_missed = 0;
};
