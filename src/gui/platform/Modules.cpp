#include "Modules.h"

#include <QDir>
#include <QLibrary>
#include <QPluginLoader>

namespace Modules {
namespace {

template <class Interface> Loaded<Interface> load(const QString &folder, const char *name)
{
    Loaded<Interface> loaded;
    loaded.path = fileOf(folder, name);
    // The loader keeps the library loaded for the rest of the run: the
    // objects it made outlive any one caller.
    QPluginLoader loader(loaded.path);
    QObject *root = loader.instance();
    if (!root) {
        // Qt names the file only when it exists.
        const QString why = loader.errorString();
        loaded.problem = why.contains(loaded.path) ? why : loaded.path + QStringLiteral(": ") + why;
        return loaded;
    }
    loaded.module = qobject_cast<Interface *>(root);
    if (!loaded.module)
        loaded.problem = QStringLiteral("%1 is not a module of this program").arg(loaded.path);
    return loaded;
}

} // namespace

QString fileOf(const QString &folder, const char *name)
{
#ifdef Q_OS_WIN
    const QString suffix = QStringLiteral(".dll");
#else
    const QString suffix = QStringLiteral(".so");
#endif
    return QDir(folder).filePath(QLatin1String(name) + suffix);
}

Loaded<SoundModule> loadSound(const QString &folder)
{
    return load<SoundModule>(folder, Sound);
}

Loaded<NetworkModule> loadNetwork(const QString &folder)
{
    return load<NetworkModule>(folder, Network);
}

} // namespace Modules
