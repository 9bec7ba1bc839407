# Cross-compiles for 64-bit Windows with Debian's mingw-w64 (posix threads,
# so std::thread and std::mutex work).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(ZQ_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${ZQ_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZQ_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${ZQ_TRIPLE}-windres)
set(CMAKE_AR /usr/bin/${ZQ_TRIPLE}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB /usr/bin/${ZQ_TRIPLE}-gcc-ranlib-posix CACHE FILEPATH "")

# Look for libraries and packages in the mingw root and in the cache prefix
# (Qt, libsodium), never on the host; host programs come from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${ZQ_TRIPLE} ${ZELQUIZ_WIN_PREFIX})
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES ZELQUIZ_WIN_PREFIX)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
