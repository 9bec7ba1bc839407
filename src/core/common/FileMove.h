#pragma once

#include <QString>

// Moves a file to a new name in one step, never over an existing file and
// never by copying: when the new name is taken the move fails and both
// files stay as they were. For keeping a file aside that may be the only
// copy of something.
namespace FileMove {

enum class Outcome { Moved, NameTaken, Failed };

[[nodiscard]] Outcome withoutReplacing(const QString &from, const QString &to);

} // namespace FileMove
