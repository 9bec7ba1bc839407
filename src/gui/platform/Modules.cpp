#include "Modules.h"

#include <QDir>
#include <QLibrary>
#include <QPluginLoader>

namespace Modules {
namespace {

template <class Interface> Result<Interface *> load(const QString &folder, const char *name)
{
    const QString path = fileOf(folder, name);
    // The loader keeps the library loaded for the rest of the run: the
    // objects it made outlive any one caller.
    QPluginLoader loader(path);
    QObject *root = loader.instance();
    if (!root) {
        // Qt names the file only when it exists.
        const QString why = loader.errorString();
        return failure(why.contains(path) ? why : path + QStringLiteral(": ") + why);
    }
    if (auto *module = qobject_cast<Interface *>(root))
        return module;
    return failure(QStringLiteral("%1 is not a module of this program").arg(path));
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

Result<SoundModule *> loadSound(const QString &folder)
{
    return load<SoundModule>(folder, Sound);
}

Result<NetworkModule *> loadNetwork(const QString &folder)
{
    return load<NetworkModule>(folder, Network);
}

} // namespace Modules
