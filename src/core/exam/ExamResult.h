#pragma once

#include "core/record/RecordTypes.h"

#include <QByteArray>
#include <QString>

#include <utility>
#include <vector>

// How an exam went, for the result window and the record. The review
// lists every question, the missed ones (wrong or unanswered) first, each
// group in the order the exam asked them.
struct ExamResult {
    struct Answer {
        int number = 0; // 1.. in the exam's order
        QByteArray key; // the question's identity in the learning record
        QString wording;
        QString subject;
        QString given; // empty when unanswered
        QString right;
        bool correct = false;
        bool flagged = false;
    };

    int right = 0;
    int total = 0;
    int passMark = 75;
    qint64 takenMs = 0;
    bool timedOut = false;
    std::vector<std::pair<QString, Tally>> byWording; // in the bank's order of wordings
    std::vector<Answer> review;

    // Rounded down, so that a score shown as the pass mark has reached it.
    [[nodiscard]] int percent() const;
    [[nodiscard]] bool passed() const;
    // The keys of the missed questions, in the review's order.
    [[nodiscard]] std::vector<QByteArray> missedKeys() const;

    // "Result: 41 of 50 right (82 %)"
    [[nodiscard]] QString scoreText() const;
    // "Passed", or "Not passed (pass mark 75 %)"
    [[nodiscard]] QString passText() const;
    // "Time taken: 12:05", with "(time ran out)" after a time-out.
    [[nodiscard]] QString takenText() const;
    // Minutes and seconds, with hours ahead when there are any: "1:02:05".
    static QString clockText(qint64 ms);
};
