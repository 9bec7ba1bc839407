#include "DuePicker.h"

#include <QHash>

#include <algorithm>
#include <utility>

DuePicker::DuePicker(const std::vector<BankQuestion> &bank, const std::vector<QByteArray> &keys)
{
    QHash<QByteArray, int> entries;
    entries.reserve(qsizetype(bank.size()));
    for (const BankQuestion &q : bank)
        entries.insert(q.key, q.entry);
    for (const QByteArray &key : keys) {
        const int entry = entries.value(key);
        if (entry != 0 && std::find(m_entries.begin(), m_entries.end(), entry) == m_entries.end())
            m_entries.push_back(entry);
    }
}

int DuePicker::pickEntry(int lastEntry)
{
    std::erase(m_entries, std::exchange(m_missed, 0));
    if (m_entries.empty())
        return lastEntry;
    // The question on screen stays in the list only when it was left
    // without a first try; it does not come straight back.
    if (m_entries.front() == lastEntry && m_entries.size() > 1)
        return m_entries[1];
    return m_entries.front();
}

void DuePicker::noteFirstTry(int entry, bool right)
{
    if (right)
        std::erase(m_entries, entry);
    else
        m_missed = entry;
}
