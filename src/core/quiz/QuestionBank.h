#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <vector>

// One question: its wording and the numbers of its six answer texts, the
// first being right. The texts themselves are the bank's: a full bank names
// 3,600 answers, which are read at every start.
struct BankEntry {
    QString wording;                           // empty: no wording; "Skip": never asked
    std::array<std::int16_t, 6> answerTexts{}; // text numbers; the first is the right one

    [[nodiscard]] bool isSkip() const { return wording == skipWording(); }
    static const QString &skipWording();
};

// Items numbered from 0, as many as the files gave. Any other number reads
// as an empty item, which is what a text number of 0 or above the last line
// stands for, and what an entry without a line in "AD.zel" is.
template <class T> class NumberedItems {
  public:
    const T &operator[](qsizetype n) const
    {
        return n >= 0 && n < qsizetype(m_items.size()) ? m_items[std::size_t(n)] : empty();
    }
    qsizetype size() const { return qsizetype(m_items.size()); }
    std::vector<T> &items() { return m_items; }

  private:
    static const T &empty()
    {
        static const T none{};
        return none;
    }
    std::vector<T> m_items;
};

// Everything read from the two bank files: texts 1..textCount and entries
// 1..entryCount; index 0 and every index past them hold empty ones.
struct QuestionBank {
    static constexpr int MaxLines = 600;
    // The longest text: the entry reader counts positions in a line with a
    // 16-bit signed counter, and a text longer than any line it can read
    // would only stall the window that lays it out.
    static constexpr qsizetype MaxTextLength = 32767;
    // The largest bank file read: the most lines, each as long as the
    // longest text plus CR LF at one byte per character, and the line end
    // the download adds to what it received. Reading stops there.
    static constexpr qint64 MaxFileBytes = qint64{MaxLines} * (MaxTextLength + 2) + 2;

    NumberedItems<QString> texts;
    int textCount = 0;
    int entryCount = 0;
    NumberedItems<BankEntry> entries;

    // The subject of entry j is text j.
    const QString &subject(int entry) const { return texts[entry]; }
    // Answer k of entry j, 0 being the right one.
    const QString &answer(int entry, int k) const { return texts[entries[entry].answerTexts[k]]; }
    [[nodiscard]] std::array<QString, 6> answers(int entry) const;

    // Entries 1..textCount that the draw may pick.
    [[nodiscard]] int askableCount() const;
};

// The question wordings, indexed 1..10 by category (9 is "Skip").
using Wordings = std::array<QString, 11>;
[[nodiscard]] Wordings standardWordings();
