#pragma once

#include "core/common/Error.h"
#include "core/quiz/QuestionBank.h"

#include <QString>

// Reads the bank of a folder as the start-up always has: a replacement of
// its files that did not live to finish (a download, an import) is
// completed or undone first, never a new "A.zel" beside an old "AD.zel";
// then both files are loaded, and a bank that cannot give two different
// questions in a row is refused.
namespace BankFolderReader {

// Completes or undoes an interrupted replacement; nothing to do is success.
// While another copy of the program is writing the folder it is left to
// it, and the bank is read as it is.
[[nodiscard]] Result<> recover(const QString &folder);

// recover(), then the load; every failure of the load is returned, none
// thrown.
[[nodiscard]] Result<QuestionBank> read(const QString &folder);

} // namespace BankFolderReader
