#pragma once

#include <QString>

#include <functional>

// Text values by section and key in the per-user settings of the program.
// A missing key reads as empty text.
class SettingsStore {
  public:
    virtual ~SettingsStore() = default;
    virtual QString read(const QString &section, const QString &key) const = 0;
    virtual void write(const QString &section, const QString &key, const QString &text) = 0;
    // Makes the writes so far permanent; false when they did not reach the
    // store (a settings file that cannot be written, say).
    virtual bool commit() = 0;
    // Runs change on what the store holds now, then commits, while no other
    // copy of the program does the same: what another copy wrote since
    // this one read is seen by change and not overwritten blindly. False
    // when the writes did not reach the store.
    virtual bool update(const std::function<void()> &change) = 0;
    // Where the values live, for a message to the user.
    virtual QString location() const = 0;
};
