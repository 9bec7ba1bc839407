// The sound module: Qt Multimedia is loaded with it, at the first cue.
#include "QtCuePlayer.h"
#include "gui/platform/Modules.h"

#include <QObject>

class SoundPlugin final : public QObject, public SoundModule {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID ZELQUIZ_SOUND_MODULE_IID)
    Q_INTERFACES(SoundModule)
  public:
    std::unique_ptr<CuePlayer> createCuePlayer() override
    {
        return std::make_unique<QtCuePlayer>();
    }
};

#include "SoundPlugin.moc"
