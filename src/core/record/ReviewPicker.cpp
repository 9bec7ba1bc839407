#include "ReviewPicker.h"

#include "QuestionKey.h"
#include "core/quiz/QuestionBank.h"

#include <QHash>

#include <algorithm>
#include <tuple>

ReviewPicker::ReviewPicker(const QuestionBank &bank, const std::vector<DueItem> &due)
{
    QHash<QByteArray, int> entries;
    for (int j = bank.textCount; j >= 1; --j) {
        if (!bank.entries[j].isSkip())
            entries.insert(QuestionKey::ofEntry(bank, j), j);
    }
    for (const DueItem &item : due) {
        const int entry = entries.value(item.key);
        const bool taken = std::any_of(m_items.begin(), m_items.end(),
                                       [entry](const Item &i) { return i.entry == entry; });
        if (entry != 0 && !taken)
            m_items.push_back({entry, item.missed, {item.streak, true}, 0});
    }
}

int ReviewPicker::pickEntry(int lastEntry)
{
    if (m_items.empty())
        return lastEntry;
    Item *best = nullptr;
    for (Item &item : m_items) {
        if (item.entry == lastEntry && m_items.size() > 1)
            continue;
        // Most missed first; among equals the least learned, then the one
        // not asked for the longest time.
        auto rank = [](const Item &i) {
            return std::tuple(-i.missed, i.state.streak, i.lastPicked);
        };
        if (!best || rank(item) < rank(*best))
            best = &item;
    }
    best->lastPicked = ++m_turn;
    return best->entry;
}

void ReviewPicker::noteFirstTry(int entry, bool right)
{
    auto it = std::find_if(m_items.begin(), m_items.end(),
                           [entry](const Item &i) { return i.entry == entry; });
    if (it == m_items.end())
        return;
    it->state = nextDueState(it->state, right);
    it->missed += right ? 0 : 1;
    if (!it->state.due)
        m_items.erase(it);
}
