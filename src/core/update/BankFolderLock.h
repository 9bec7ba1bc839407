#pragma once

#include <QLockFile>
#include <QString>

// One process at a time writes or recovers the bank files of a folder: a
// download with its journal, or the start-up's recovery of an interrupted
// one. Two copies of the program on one folder would otherwise complete,
// undo or clean up each other's replacement half way. The lock is a file
// in the folder, taken over when its holder was killed.
class BankFolderLock {
  public:
    enum class State {
        Held,          // this process holds the folder until destroyed
        HeldElsewhere, // another copy of the program is writing the folder
        Unavailable    // no lock can be made (a folder that cannot be written)
    };

    // A start waits this long for a recovery or the last step of a
    // download; a longer holder is left to finish on its own.
    static constexpr int StartupWaitMs = 500;

    // Waits at most waitMs for another holder to finish.
    BankFolderLock(const QString &folder, int waitMs);

    [[nodiscard]] State state() const { return m_state; }

    [[nodiscard]] static QString fileName() { return QStringLiteral("bank-update.lock"); }

  private:
    QLockFile m_lock;
    State m_state = State::Unavailable;
};
