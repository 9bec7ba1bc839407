#include "BankFolderLock.h"

namespace {

// A holder that is still running is never taken for stale while a download
// can last (six requests of 20 seconds at most, then the writes); one that
// was killed is recognised at once by its process number.
constexpr int kStaleAfterMs = 10 * 60 * 1000;

} // namespace

BankFolderLock::BankFolderLock(const QString &folder, int waitMs)
    : m_lock(folder + QLatin1Char('/') + fileName())
{
    m_lock.setStaleLockTime(kStaleAfterMs);
    if (m_lock.tryLock(waitMs))
        m_state = State::Held;
    else if (m_lock.error() == QLockFile::LockFailedError)
        m_state = State::HeldElsewhere;
}
