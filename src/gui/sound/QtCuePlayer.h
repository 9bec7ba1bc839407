#pragma once

#include "gui/platform/CuePlayer.h"

#include <memory>

class QSoundEffect;

// Cues through Qt Multimedia. Each cue gets a fresh sound effect, after the
// previous one has been stopped and released; without a sound device Qt
// plays nothing and the program carries on.
class QtCuePlayer final : public CuePlayer {
  public:
    QtCuePlayer();
    ~QtCuePlayer() override;

    void play(const QString &path) override;
    void close() override;

  private:
    std::unique_ptr<QSoundEffect> m_effect;
};
