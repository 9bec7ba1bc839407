#!/bin/sh
# Runs the tests of the Windows build (default folder: build-win, made by
# build.sh) under wine and reports their results: test_core, test_app, and
# the windows' tests on Qt's offscreen platform. Exits 1 when any fails. Extra
# arguments go to each test program, e.g. --gtest_filter=Win32Registry.*.
set -eu
. "$(dirname "$0")/env.sh"
zq_apt_install wine wine64 fonts-liberation xvfb

cd "$ZQ_REPO"
dir="${1:-build-win}"
[ $# -gt 0 ] && shift
exe="$dir/bin/test_core.exe"
[ -f "$exe" ] || { zq_log "no $exe: run scripts/windows/build.sh first"; exit 2; }

zq_wine_prefix

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

# Where Windows records its system-information program, for the registry
# test to find through the real registry.
ZELQUIZ_TEST_MSINFO_FOLDER='C:\Program Files\Common Files\Microsoft Shared\MSInfo'
ZELQUIZ_TEST_MSINFO_PATH="$ZELQUIZ_TEST_MSINFO_FOLDER\msinfo32.exe"
export ZELQUIZ_TEST_MSINFO_FOLDER ZELQUIZ_TEST_MSINFO_PATH
wine reg add 'HKLM\SOFTWARE\Microsoft\Shared Tools\MSINFO' /v PATH /d "$ZELQUIZ_TEST_MSINFO_PATH" /f >/dev/null
wine reg add 'HKLM\SOFTWARE\Microsoft\Shared Tools Location' /v MSINFO /d "$ZELQUIZ_TEST_MSINFO_FOLDER" /f >/dev/null

# One test program; its whole output goes to <folder>/<name>-wine.log. A
# name ending in -desktop runs the program of the name without it.
run_test() {
  name=$1
  shift
  log="$dir/$name-wine.log"
  zq_log "running ${name%-desktop}.exe under $(wine --version)"
  start=$(date +%s)
  code=0
  timeout "${ZQ_TEST_TIMEOUT:-900}" wine "$dir/bin/${name%-desktop}.exe" "$@" >"$log" 2>&1 || code=$?
  grep -E '^\[==========\] .* ran|^\[  (PASSED|SKIPPED) ' "$log" || true
  grep -E '^\[  FAILED  \] [A-Za-z_0-9]+\.[A-Za-z_0-9]+' "$log" | sed 's/ (.*//' | sort -u || true
  zq_log "$name.exe: exit status $code after $(($(date +%s) - start)) s (log: $log)"
  [ "$code" = 0 ] || status=1
}

status=0
run_test test_core "$@"
# The command line through the real zelquiz.exe beside it: exit statuses,
# the bank check's findings, the modules (a launcher linked to the program
# is Linux's alone, and its case says so when skipped).
run_test test_app "$@"
# Wine passes on no QT_ variable, so the platform goes on the command line.
for windows in test_main_window test_windows; do
  if [ -f "$dir/bin/$windows.exe" ]; then
    run_test "$windows" -platform offscreen "$@"
  fi
done

# The text-fit walker once more, on the platform a Windows user gets, in
# real windows on a private X server: the offscreen platform measures text
# with a font database of its own, so only there do the sizes say whether
# a label or button is large enough for its text. (The other window tests
# pace their modal boxes for the offscreen platform, which paints at once.)
if [ -f "$dir/bin/test_windows.exe" ] && [ $# -eq 0 ]; then
  tmp=$(mktemp -d)
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$tmp/display" >/dev/null 2>&1 &
  xvfb=$!
  for _ in $(seq 100); do [ -s "$tmp/display" ] && break; sleep 0.1; done
  if [ -s "$tmp/display" ]; then
    DISPLAY=:$(cat "$tmp/display")
    export DISPLAY
    run_test test_windows-desktop -platform windows \
      --gtest_filter='*TextFit.*'
  else
    zq_log "Xvfb did not start for the text-fit walker"
    status=1
  fi
  # Wine's desktop process stays with the X server it started on: it goes
  # before the server does, or the next wine program would find a desktop
  # whose display has gone and could open no window.
  wineserver -k 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
  rm -rf "$tmp"
fi
exit "$status"
