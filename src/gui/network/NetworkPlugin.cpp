// The network module: Qt Network is loaded with it, at the first fetch.
#include "QtHttpFetcher.h"
#include "gui/platform/Modules.h"

#include <QObject>

class NetworkPlugin final : public QObject, public NetworkModule {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID ZELQUIZ_NETWORK_MODULE_IID)
    Q_INTERFACES(NetworkModule)
  public:
    std::unique_ptr<HttpFetcher> createFetcher() override
    {
        return std::make_unique<QtHttpFetcher>();
    }
};

#include "NetworkPlugin.moc"
