#pragma once

#include "core/common/Error.h"
#include "core/update/HttpFetcher.h"
#include "gui/platform/CuePlayer.h"

#include <QString>
#include <QtPlugin>

#include <memory>

// Sound and the network live in modules of their own, loaded from the
// program's folder when first needed: linking them would load Qt
// Multimedia and Qt Network, and everything they pull in, before the
// first window could appear.
class SoundModule {
  public:
    virtual ~SoundModule() = default;
    virtual std::unique_ptr<CuePlayer> createCuePlayer() = 0;
};

class NetworkModule {
  public:
    virtual ~NetworkModule() = default;
    virtual std::unique_ptr<HttpFetcher> createFetcher() = 0;
};

#define ZELQUIZ_SOUND_MODULE_IID "org.zelquiz.SoundModule/1"
#define ZELQUIZ_NETWORK_MODULE_IID "org.zelquiz.NetworkModule/2"
Q_DECLARE_INTERFACE(SoundModule, ZELQUIZ_SOUND_MODULE_IID)
Q_DECLARE_INTERFACE(NetworkModule, ZELQUIZ_NETWORK_MODULE_IID)

namespace Modules {

constexpr auto Sound = "zelquiz_sound";
constexpr auto Network = "zelquiz_network";

// The module's file in the folder, by its name without the platform's
// suffix ("zelquiz_sound" is zelquiz_sound.so or zelquiz_sound.dll).
[[nodiscard]] QString fileOf(const QString &folder, const char *name);

// Loads the module once per run; later calls return the same instance.
// A failure names the file and says why it is not the module.
[[nodiscard]] Result<SoundModule *> loadSound(const QString &folder);
[[nodiscard]] Result<NetworkModule *> loadNetwork(const QString &folder);

} // namespace Modules
