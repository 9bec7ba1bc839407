# Shared settings of the Windows scripts; sourced, not run.
# shellcheck shell=sh disable=SC2034
# Everything built here lives in a cache folder outside the repository, so a
# second run reuses it and a clean checkout stays clean.
ZQ_CACHE=${ZELQUIZ_WIN_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/zelquiz}
ZQ_QT_VERSION=6.4.2
ZQ_PREFIX=$ZQ_CACHE/qt-$ZQ_QT_VERSION-mingw64
ZQ_WORK=$ZQ_CACHE/work
ZQ_TRIPLE=x86_64-w64-mingw32
ZQ_REPO=$(cd "$(dirname "$0")/../.." && pwd)
ZQ_TOOLCHAIN=$ZQ_REPO/cmake/mingw64-toolchain.cmake
ZQ_JOBS=${ZQ_JOBS:-$(nproc)}
# The long compiles yield to interactive work on a shared machine.
ZQ_NICE=${ZQ_NICE:-10}

zq_log() { printf '%s [windows] %s\n' "$(date -u +%H:%M:%S)" "$*" >&2; }

zq_root() {
  if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi
}

# Installs Debian packages that are missing; asks apt only when one is.
zq_apt_install() {
  missing=
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing="$missing $p"
  done
  [ -z "$missing" ] && return 0
  zq_log "installing:$missing"
  zq_root apt-get update -q
  # shellcheck disable=SC2086
  DEBIAN_FRONTEND=noninteractive zq_root apt-get install -y -q --no-install-recommends $missing
}

# `apt-get source` needs deb-src lines; add Debian's own archive when none is set.
zq_apt_sources() {
  if grep -rqsE '^(deb-src|Types:.*deb-src)' /etc/apt/sources.list /etc/apt/sources.list.d/; then
    return 0
  fi
  . /etc/os-release
  zq_log "adding deb-src lines for $VERSION_CODENAME"
  zq_root sh -c "cat > /etc/apt/sources.list.d/zelquiz-deb-src.sources" <<SRC
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: $VERSION_CODENAME $VERSION_CODENAME-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg

Types: deb-src
URIs: http://deb.debian.org/debian-security
Suites: $VERSION_CODENAME-security
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SRC
  zq_root apt-get update -q
}

# Unpacks Debian's source package $1 into $ZQ_WORK/src once; prints its folder.
zq_source() {
  mkdir -p "$ZQ_WORK/src"
  dir=$(find "$ZQ_WORK/src" -mindepth 1 -maxdepth 1 -type d -name "$1-*" | head -n 1)
  if [ -z "$dir" ]; then
    (cd "$ZQ_WORK/src" && apt-get source -q "$1" >&2)
    dir=$(find "$ZQ_WORK/src" -mindepth 1 -maxdepth 1 -type d -name "$1-*" | head -n 1)
  fi
  [ -n "$dir" ] || { zq_log "no source folder for $1"; return 1; }
  echo "$dir"
}

# Exports a wine prefix of its own in the cache (ZELQUIZ_WINEPREFIX moves
# it), made once: no .NET or HTML engine prompts, no menu entries, and a
# Windows version Qt 6 supports.
zq_wine_prefix() {
  export WINEPREFIX="${ZELQUIZ_WINEPREFIX:-$ZQ_CACHE/wineprefix}" WINEARCH=win64 WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    zq_log "creating the wine prefix $WINEPREFIX"
    wine wineboot -i >/dev/null 2>&1 || true
    wine reg add 'HKCU\Software\Wine' /v Version /d win10 /f >/dev/null 2>&1
    wineserver -w
  fi
  zq_wine_fonts
}

# The fonts every Windows desktop has, which Debian's wine lacks: without
# them text falls back to a font of other widths and the tests and the
# screenshots see a layout no Windows user sees. Liberation Sans, Serif and
# Mono have the letter widths of Arial, Times New Roman and Courier New;
# the prefix's registry puts them in their place. Text is smoothed as
# Windows smooths it by default (ClearType): drawn without smoothing, or
# in grey, wine loses the capital I of Liberation Sans at the windows' 8
# points. Done once per prefix.
zq_wine_fonts() {
  stamp=$WINEPREFIX/zelquiz-fonts-1
  [ -f "$stamp" ] && return 0
  reg=$WINEPREFIX/zelquiz-fonts.reg
  printf '%s\r\n' 'REGEDIT4' '' \
    '[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]' \
    '"Arial"="Liberation Sans"' \
    '"Times New Roman"="Liberation Serif"' \
    '"Courier New"="Liberation Mono"' '' \
    '[HKEY_CURRENT_USER\Control Panel\Desktop]' \
    '"FontSmoothing"="2"' \
    '"FontSmoothingType"=dword:00000002' \
    '"FontSmoothingGamma"=dword:00000578' \
    '"FontSmoothingOrientation"=dword:00000001' >"$reg"
  wine regedit /S "$(winepath -w "$reg")" >/dev/null 2>&1 &&
    wine reg query 'HKCU\Software\Wine\Fonts\Replacements' /v Arial >/dev/null 2>&1 ||
    { zq_log "could not set the font replacements in $WINEPREFIX"; return 1; }
  wineserver -w
  touch "$stamp"
}
