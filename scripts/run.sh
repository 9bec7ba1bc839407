#!/bin/sh
# Installs what is missing, builds the program alone (no tests), and starts
# ZEL Quiz on the sample bank that the build places beside the program.
# The build folder is the usual one, so a later scripts/test.sh reuses what
# was compiled here.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}"
cmake --build build --parallel "$(nproc)" --target zelquiz
exec build/bin/zelquiz "$@"
