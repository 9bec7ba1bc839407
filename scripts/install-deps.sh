#!/bin/sh
# Installs what building and testing ZEL Quiz needs, from Debian 12's own
# packages only. Safe to run again: apt-get skips what is already there.
#
#   scripts/install-deps.sh [fuzz] [package] [tidy] [coverage]
#
# The extra sets serve the commands that are not part of every test run:
# fuzz for scripts/fuzz.sh (clang and its sanitizer runtimes), package for
# scripts/package-test.sh (what CPack needs to find the package's
# dependencies, the desktop-entry and AppStream validators, and Debian's
# package checker), tidy for clang-tidy,
# coverage for scripts/coverage.sh (gcovr).
set -eu

PACKAGES="build-essential cmake pkg-config git \
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-qpa-plugins \
  libqt6svg6 libgl-dev libqt6sql6-sqlite \
  libgtest-dev libbenchmark-dev libsodium-dev \
  fonts-liberation python3 util-linux locales strace \
  at-spi2-core python3-pyatspi dbus xvfb xauth imagemagick"

for extra in "$@"; do
  case "$extra" in
    fuzz) PACKAGES="$PACKAGES clang-14 libclang-rt-14-dev" ;;
    package) PACKAGES="$PACKAGES dpkg-dev file desktop-file-utils lintian appstream" ;;
    tidy) PACKAGES="$PACKAGES clang-tidy-14" ;;
    coverage) PACKAGES="$PACKAGES gcovr" ;;
    *) echo "install-deps.sh: unknown set '$extra' (fuzz, package, tidy, coverage)" >&2; exit 2 ;;
  esac
done

missing=""
for p in $PACKAGES; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then SUDO=""; else SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update
# shellcheck disable=SC2086
$SUDO apt-get install -y --no-install-recommends $missing
