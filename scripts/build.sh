#!/bin/sh
# Configures and builds into the given folder (default: build).
# Extra arguments go to CMake, e.g. -DZELQUIZ_SANITIZE=ON.
set -eu
cd "$(dirname "$0")/.."
dir="${1:-build}"
[ $# -gt 0 ] && shift
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" "$@"
cmake --build "$dir" --parallel "$(nproc)"
