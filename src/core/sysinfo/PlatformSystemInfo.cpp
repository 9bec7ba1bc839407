#include "PlatformSystemInfo.h"

#ifdef Q_OS_WIN
#include "WindowsSystemInfo.h"
#else
#include "DesktopSystemInfo.h"
#endif

std::unique_ptr<SystemInfoLookup> platformSystemInfo()
{
#ifdef Q_OS_WIN
    // The registry functions keep no state, so one instance serves all.
    static Win32Registry registry;
    return std::make_unique<WindowsSystemInfo>(registry);
#else
    return std::make_unique<DesktopSystemInfo>();
#endif
}
