#pragma once

#include <QString>

// The program's version numbers and the short text shown to users, which
// leaves the minor number out: version 1.0.6 is "1.6".
namespace AppInfo {

constexpr int Major = 1;
constexpr int Minor = 0;
constexpr int Revision = 6;

QString versionText(int major = Major, int revision = Revision);
QString fullVersion();
inline QString title()
{
    return QStringLiteral("ZEL Quiz");
}

} // namespace AppInfo
