#include "AppInfo.h"

namespace AppInfo {

QString versionText(int major, int revision)
{
    return QString::number(major) + QLatin1Char('.') + QString::number(revision);
}

QString fullVersion()
{
    return QStringLiteral("%1.%2.%3").arg(Major).arg(Minor).arg(Revision);
}

} // namespace AppInfo
