#pragma once

#include <QString>

#include <array>

// One question: its wording and six answer texts, the first being right.
struct BankEntry {
    QString Wording;               // empty: no wording; "Skip": never asked
    std::array<QString, 6> Answer; // Answer[0] is the right one

    bool isSkip() const { return Wording == skipWording(); }
    static const QString &skipWording();
};

// Everything read from the two bank files. Index 0 and every index above
// the file's line count hold empty texts, which is what a text number of 0
// or above the last line stands for.
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

    std::array<QString, MaxLines + 1> ALines;
    int ACount = 0;
    int ADCount = 0;
    std::array<BankEntry, MaxLines + 1> Bank;

    // The subject of entry j is text j.
    const QString &subject(int entry) const { return ALines[entry]; }

    // Entries 1..ACount that the draw may pick.
    int askableCount() const;
};

// The question wordings, indexed 1..10 by category (9 is "Skip").
using Wordings = std::array<QString, 11>;
Wordings standardWordings();
