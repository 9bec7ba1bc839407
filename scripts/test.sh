#!/bin/sh
# Installs what is missing, builds, and runs every test headless: once in
# a plain build and once under AddressSanitizer and UndefinedBehaviorSanitizer.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/check-layers.sh

export QT_QPA_PLATFORM=offscreen
# No sound card on build machines: Qt Multimedia only warns, and the tests
# never wait for a sound.
export QT_LOGGING_RULES="qt.multimedia*=false"
jobs="$(nproc)"

scripts/build.sh build
ctest --test-dir build --output-on-failure --parallel "$jobs"

BUILD_TYPE=Debug scripts/build.sh build-sanitize -DZELQUIZ_SANITIZE=ON -DZELQUIZ_BENCH=OFF
# Leak checking stays off: the platform libraries (fontconfig, the
# multimedia back end) keep caches alive until exit that LeakSanitizer
# would count against every test.
ASAN_OPTIONS="detect_leaks=0:abort_on_error=1" \
UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
  ctest --test-dir build-sanitize --output-on-failure --parallel "$jobs"

# The Debian package: built in build-pkg/, installed with apt-get, run from
# its launcher and its menu entry, removed.
scripts/package-test.sh
