#include "DetachedStarter.h"

#include <QProcess>

bool DetachedStarter::startDetached(const QString &path)
{
    if (path.isEmpty())
        return false;
    return QProcess::startDetached(path, QStringList());
}
