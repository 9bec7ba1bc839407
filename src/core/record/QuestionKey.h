#pragma once

#include <QByteArray>
#include <QString>

#include <array>

struct QuestionBank;

namespace QuestionKey {

// The identity of a question by its content: the wording, the subject and
// the six answers in their order (the first is the right one). A bank that
// keeps a question keeps its key; any change to these texts makes a new one.
QByteArray of(const QString &wording, const QString &subject,
              const std::array<QString, 6> &answers);

// The key of entry j of a loaded bank.
QByteArray ofEntry(const QuestionBank &bank, int entry);

} // namespace QuestionKey
