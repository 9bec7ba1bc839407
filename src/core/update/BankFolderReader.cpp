#include "BankFolderReader.h"

#include "BankFolderLock.h"
#include "BankJournal.h"
#include "DownloadPlan.h"
#include "core/quiz/BankLoader.h"

#include <new>

namespace BankFolderReader {

Result<> recover(const QString &folder)
{
    const BankFolderLock lock(folder, BankFolderLock::StartupWaitMs);
    if (lock.state() == BankFolderLock::State::HeldElsewhere)
        return {};
    if (const auto recovered = BankJournal(folder, DownloadPlan::fileNames()).recover(); !recovered)
        return failure(recovered.error());
    return {};
}

Result<QuestionBank> read(const QString &folder)
{
    try {
        if (Result<> recovered = recover(folder); !recovered)
            return failure(recovered.error());
        QuestionBank bank =
            BankLoader::load(folder + QStringLiteral("/A.zel"), folder + QStringLiteral("/AD.zel"),
                             standardWordings());
        // Two askable entries are the least the draw needs: it never
        // repeats the question on screen.
        if (bank.askableCount() < 2)
            return failure(ErrorNumber::TooFewQuestions);
        return bank;
    } catch (const Error &e) {
        // A bank file that cannot be read is found deep in the load.
        return failure(e);
    } catch (const std::bad_alloc &) {
        return failure(ErrorNumber::OutOfMemory);
    }
}

} // namespace BankFolderReader
