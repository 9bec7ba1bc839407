#pragma once

#include "SystemInfoLookup.h"

#include <memory>

// Where the system this program runs on records its system-information
// program: the registry on Windows, the desktop's settings and PATH
// elsewhere.
std::unique_ptr<SystemInfoLookup> platformSystemInfo();
