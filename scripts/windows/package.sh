#!/bin/sh
# Builds the Windows installer: the program cross-built into the given
# folder (default: build-win, by build.sh), then `cpack -G NSIS` there with
# Debian's makensis. Prints the installer's path.
set -eu
. "$(dirname "$0")/env.sh"
zq_apt_install nsis

cd "$ZQ_REPO"
dir="${1:-build-win}"
"$(dirname "$0")/build.sh" "$dir"
(cd "$dir" && cpack -G NSIS >cpack.log) || { cat "$dir/cpack.log" >&2; exit 1; }
installer=$(ls "$dir"/zelquiz-*-win64-setup.exe)
zq_log "installer: $installer ($(du -h "$installer" | cut -f1))"
echo "$installer"
