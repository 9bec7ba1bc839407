#!/bin/sh
# Builds the fuzz targets with clang's libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer in build-fuzz/, and runs each for a bounded
# time. Not part of the test command: run it by hand or on a schedule.
#
#   scripts/fuzz.sh [SECONDS] [TARGET...]
#
# SECONDS per target (default 60); TARGETs among bank, scores,
# leading_number, signature, delimited (default all). Each run starts from the seeds in
# fuzz/corpus/TARGET and the kept cases in fuzz/regressions/TARGET, and
# grows its working corpus in build-fuzz/corpus/TARGET. An input that
# breaks a property or crashes is written to build-fuzz/artifacts/TARGET/;
# once fixed, copy it into fuzz/regressions/TARGET/, where the test suite
# replays it.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh fuzz

seconds="${1:-60}"
[ $# -gt 0 ] && shift
targets="${*:-bank scores leading_number signature delimited}"

cmake -S fuzz -B build-fuzz -DCMAKE_CXX_COMPILER=clang++-14 -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build-fuzz --parallel "$(nproc)"

# Qt keeps caches alive until exit that LeakSanitizer would count against
# every input; a leak in our code would show as growing memory instead,
# which -rss_limit_mb catches.
export ASAN_OPTIONS="detect_leaks=0:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

status=0
for t in $targets; do
  mkdir -p "build-fuzz/corpus/$t" "build-fuzz/artifacts/$t"
  case "$t" in
    bank) max_len=16384 ;;
    # Past the signature files' size limit, so that it is reached.
    signature) max_len=5000 ;;
    *) max_len=4096 ;;
  esac
  # New inputs go to the first folder only; the kept ones are read.
  seeds="fuzz/corpus/$t"
  [ -d "fuzz/regressions/$t" ] && seeds="$seeds fuzz/regressions/$t"
  echo "== $t: $seconds s"
  # shellcheck disable=SC2086
  if ! "build-fuzz/fuzz_$t" -max_total_time="$seconds" -max_len="$max_len" \
      -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
      -artifact_prefix="build-fuzz/artifacts/$t/" \
      "build-fuzz/corpus/$t" $seeds; then
    echo "fuzz_$t found a failing input: see build-fuzz/artifacts/$t/" >&2
    status=1
  fi
done
exit "$status"
