#include "ParentConsole.h"

#ifdef _WIN32
#include <windows.h>

#include <cstdio>

namespace {

bool redirected(DWORD which)
{
    const HANDLE handle = GetStdHandle(which);
    return handle != nullptr && handle != INVALID_HANDLE_VALUE;
}

} // namespace

void ParentConsole::attach()
{
    // Read before attaching: afterwards every stream looks like a console.
    const bool out = redirected(STD_OUTPUT_HANDLE);
    const bool err = redirected(STD_ERROR_HANDLE);
    if (out && err)
        return;
    if (!AttachConsole(ATTACH_PARENT_PROCESS))
        return; // started from Explorer: nowhere to print
    if (!out)
        std::freopen("CONOUT$", "w", stdout);
    if (!err)
        std::freopen("CONOUT$", "w", stderr);
}

#else

void ParentConsole::attach() {}

#endif
