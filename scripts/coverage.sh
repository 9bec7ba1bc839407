#!/bin/sh
# Line coverage of src/ by the whole test suite, and the share of test code:
#
#   scripts/coverage.sh [build-folder]      (default: build-cov)
#
# A Debug build instrumented with gcc's --coverage runs every test; gcovr
# then reports each file of src/ and the total. The share counts C++ lines
# that are neither blank nor comments, in tests/ against src/ and tests/.
set -eu
cd "$(dirname "$0")/.."
dir="${1:-build-cov}"
scripts/install-deps.sh coverage

BUILD_TYPE=Debug scripts/build.sh "$dir" -DZELQUIZ_BENCH=OFF \
  -DCMAKE_CXX_FLAGS=--coverage -DCMAKE_EXE_LINKER_FLAGS=--coverage
find "$dir" -name '*.gcda' -delete
QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES="qt.multimedia*=false" \
  ctest --test-dir "$dir" --output-on-failure --parallel "$(nproc)"
gcovr -r . --filter src/ "$dir"

lines() {
  find "$1" \( -name '*.cpp' -o -name '*.h' \) -exec cat {} + |
    grep -v '^[[:space:]]*$' | grep -cv '^[[:space:]]*//'
}
src="$(lines src)"
tests="$(lines tests)"
echo "test code: $tests lines of $((src + tests)) ($((100 * tests / (src + tests))) %); src: $src"
