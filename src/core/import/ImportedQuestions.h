#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// What a reader found in a file of someone's own questions, before it is
// made into a bank. Every reader (delimited text, Moodle XML, GIFT) gives
// this one shape, so the bank builder and the preview know no formats.
//
// A term/definition pair is a question without wrong answers: the builder
// chooses them from the other questions' right answers.
struct ImportedQuestion {
    QString subject;   // what is asked about: a term, or a question's stem
    QString right;     // the right answer: a definition, or the right option
    QStringList wrong; // 0..5 wrong answers as the file gives them
    int wording = 0;   // 0: no wording; 1..10 (not 9) a bank wording number
    QString topic;     // a file's category or topic; empty when it has none
    int line = 0;      // where the question starts in the file, from 1
};

// Something a reader met and did not take, with its reason in a few words
// ("essay question", "syntax error: no closing }").
struct SkippedItem {
    int line = 0; // from 1; 0 when the file gives no line
    QString reason;
};

struct ImportedFile {
    std::vector<ImportedQuestion> questions;
    std::vector<SkippedItem> skipped;
    int imagesDropped = 0; // pictures left out of texts that kept their words
};
