#!/bin/sh
# Cross-builds the program, its modules and the test programs for 64-bit
# Windows into the given folder (default: build-win) against the Qt and
# libsodium that build-qt.sh puts in the cache (it runs first and is a
# no-op once done). Extra arguments go to CMake.
set -eu
. "$(dirname "$0")/env.sh"
"$(dirname "$0")/build-qt.sh"
zq_apt_install googletest pkg-config

cd "$ZQ_REPO"
dir="${1:-build-win}"
[ $# -gt 0 ] && shift
launcher=
command -v ccache >/dev/null && launcher=-DCMAKE_CXX_COMPILER_LAUNCHER=ccache

# pkg-config must see the Windows libsodium only, never the host's.
PKG_CONFIG_LIBDIR="$ZQ_PREFIX/lib/pkgconfig" PKG_CONFIG_PATH='' \
  cmake -S . -B "$dir" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$ZQ_TOOLCHAIN" \
  -DZELQUIZ_WIN_PREFIX="$ZQ_PREFIX" \
  -DCMAKE_PREFIX_PATH="$ZQ_PREFIX" \
  -DQT_HOST_PATH=/usr \
  -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-Release}" \
  $launcher "$@"
cmake --build "$dir" --parallel "$ZQ_JOBS" --target zelquiz test_core test_main_window test_windows test_app
zq_log "built zelquiz.exe and the test programs in $dir/bin"
