#!/bin/sh
# Everything the Windows program must pass, from a clean clone: Qt for
# Windows (built once into the cache, about half an hour on two cores),
# the program and its tests cross-built, the tests under wine, the
# installer, and the program started as a user gets it (smoke.sh).
set -eu
. "$(dirname "$0")/env.sh"
start=$(date +%s)
"$ZQ_REPO/scripts/windows/package.sh" build-win >/dev/null
"$ZQ_REPO/scripts/windows/test.sh" build-win
"$ZQ_REPO/scripts/windows/smoke.sh" build-win
zq_log "the Windows program passed in $(($(date +%s) - start)) s"
