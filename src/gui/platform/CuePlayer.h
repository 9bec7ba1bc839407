#pragma once

#include <QString>

// The sound device behind the cues: play a wave file without waiting for
// it, and stop and release whatever is playing. Failures are never reported.
class CuePlayer {
  public:
    virtual ~CuePlayer() = default;
    virtual void play(const QString &path) = 0;
    virtual void close() = 0;
};
