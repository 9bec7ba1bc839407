#pragma once

#include "ImportedQuestions.h"

#include <QString>
#include <QStringList>

// What the question readers of the learning-platform formats agree on, so a
// question reads the same from either format.
namespace ReaderRules {

// The most wrong answers a bank entry holds.
inline constexpr int MaxWrong = 5;

// Adds the question to the file, or a skipped item saying why it cannot be
// asked: it needs a subject and a right answer. Wrong answers without text,
// repeated, or the same as the right answer are left out; past five, the
// first five are kept. The pictures dropped from its texts count only when
// it is taken.
void addQuestion(ImportedFile &file, ImportedQuestion question, int imagesDropped);

// The reason given for a question of a kind the program cannot drill, by
// the platform's name for the kind ("truefalse" is "true/false question").
[[nodiscard]] QString skippedKind(const QString &kind);

// The last segment of a category path ("$course$/top/Botany" is "Botany");
// a "//" in a segment is the platform's escaped slash.
[[nodiscard]] QString topicOfCategory(const QString &path);

} // namespace ReaderRules
