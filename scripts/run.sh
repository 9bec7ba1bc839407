#!/bin/sh
# Installs what is missing, builds, and starts ZEL Quiz on the sample bank
# that the build places beside the program.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh build
exec build/bin/zelquiz "$@"
