#!/bin/sh
# Runs the core tests of the Windows build (default folder: build-win, made
# by build.sh) under wine and reports their result; the exit status is the
# test program's. Extra arguments go to the test program, e.g.
# --gtest_filter=Win32Registry.*.
set -eu
. "$(dirname "$0")/env.sh"
zq_apt_install wine wine64

cd "$ZQ_REPO"
dir="${1:-build-win}"
[ $# -gt 0 ] && shift
exe="$dir/bin/test_core.exe"
[ -f "$exe" ] || { zq_log "no $exe: run scripts/windows/build.sh first"; exit 2; }

# A wine prefix of its own in the cache, made once; no .NET or HTML engine
# prompts, no menu entries, and the Windows version Qt 6 supports.
export WINEPREFIX="$ZQ_CACHE/wineprefix" WINEARCH=win64 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  zq_log "creating the wine prefix $WINEPREFIX"
  wine wineboot -i >/dev/null 2>&1 || true
  wine reg add 'HKCU\Software\Wine' /v Version /d win10 /f >/dev/null 2>&1
  wineserver -w
fi

# The Qt DLLs and the compiler's runtime DLLs, found through the search path.
gccdir=$(dirname "$("$ZQ_TRIPLE-g++-posix" -print-file-name=libstdc++-6.dll)")
threaddir=$(dirname "$("$ZQ_TRIPLE-g++-posix" -print-file-name=libwinpthread-1.dll)")
WINEPATH="$(winepath -w "$ZQ_PREFIX/bin");$(winepath -w "$gccdir");$(winepath -w "$threaddir")"
export WINEPATH

# What ctest gives the tests on Linux, as Windows paths. Wine passes on no
# variable whose name starts with QT_, and the core tests need none.
ZELQUIZ_DATA_DIR=$(winepath -w "$ZQ_REPO/data")
ZELQUIZ_TEST_DATA_DIR=$(winepath -w "$ZQ_REPO/tests/data")
ZELQUIZ_FUZZ_DIR=$(winepath -w "$ZQ_REPO/fuzz")
export ZELQUIZ_DATA_DIR ZELQUIZ_TEST_DATA_DIR ZELQUIZ_FUZZ_DIR

zq_log "running $exe under $(wine --version)"
start=$(date +%s)
status=0
timeout "${ZQ_TEST_TIMEOUT:-900}" wine "$exe" "$@" >"$dir/test_core-wine.log" 2>&1 || status=$?
grep -E '^\[==========\] .* ran|^\[  (PASSED|SKIPPED) ' "$dir/test_core-wine.log" || true
grep -E '^\[  FAILED  \] [A-Za-z_0-9]+\.[A-Za-z_0-9]+' "$dir/test_core-wine.log" |
  sed 's/ (.*//' | sort -u || true
zq_log "test_core.exe: exit status $status after $(($(date +%s) - start)) s (log: $dir/test_core-wine.log)"
exit "$status"
