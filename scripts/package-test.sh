#!/bin/sh
# Builds the Debian package in its own folder (build-pkg/), installs it
# with apt-get as a user would, and checks that the installed program
# answers --version, passes --check-bank on its bundled bank, starts its
# window from the launcher on PATH and from the desktop entry's command
# (headless, measured with --startuptime so that it ends by itself), that
# Debian's package checker finds no error and no warning, that the
# copyright, changelog, manual page and AppStream metadata are in place
# and valid, and that removing the package takes it all away again. Needs
# root (CI runs as root) or sudo.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh package

if [ "$(id -u)" -eq 0 ]; then SUDO=""; else SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive

rm -f build-pkg/zelquiz_*.deb
BUILD_TYPE=Release scripts/build.sh build-pkg -DZELQUIZ_TESTS=OFF -DZELQUIZ_BENCH=OFF
(cd build-pkg && cpack -G DEB)
deb="$(ls build-pkg/zelquiz_*.deb)"
echo "== $deb"
dpkg-deb --info "$deb"
dpkg-deb --contents "$deb"

fail() { echo "package test: $*" >&2; exit 1; }

# Debian's own checks: no error and no warning (information is shown).
lintian --fail-on error,warning --display-info "$deb"
# No maintainer scripts: nothing to run at install or removal.
dpkg-deb --ctrl-tarfile "$deb" | tar -t | grep -Eq 'post(inst|rm)|pre(inst|rm)' \
  && fail "the package has maintainer scripts"

# A package of the same version already installed would be kept as it is.
if dpkg-query -W -f='${Status}' zelquiz 2>/dev/null | grep -q "install ok installed"; then
  $SUDO apt-get remove -y zelquiz
fi
$SUDO apt-get install -y "./$deb"
cleanup() { $SUDO apt-get remove -y zelquiz >/dev/null 2>&1 || true; }
trap cleanup EXIT

# Run from elsewhere, as a user would: nothing of the source tree helps.
cd /

command -v zelquiz >/dev/null || fail "zelquiz is not on PATH"
zelquiz --version
[ "$(zelquiz --version | head -n 1)" = "zelquiz $(dpkg-query -W -f='${Version}' zelquiz)" ] \
  || fail "--version does not name the package's version"
zelquiz --check-bank /usr/lib/zelquiz
# The sound and network modules are installed beside the program and load.
zelquiz --check-modules
[ "$(zelquiz --check-modules | head -n 1)" = "sound: /usr/lib/zelquiz/zelquiz_sound.so" ] \
  || fail "the sound module is not the installed one"
for lib in libqt6multimedia6 libqt6network6 libsodium23 libqt6sql6-sqlite; do
  dpkg-query -W -f='${Depends}' zelquiz | grep -q "$lib" || fail "the package does not depend on $lib"
done
# The same bank when it looks for the files beside itself, through the link.
zelquiz --check-bank >/dev/null || fail "--check-bank without a folder fails"

doc=/usr/share/doc/zelquiz
for f in "$doc/copyright" "$doc/changelog.gz" /usr/share/man/man1/zelquiz.1.gz; do
  [ -f "$f" ] || fail "no $f"
done
head -n 1 "$doc/copyright" | grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' \
  || fail "the copyright file is not in the machine-readable format"
grep -q '^ No licence is granted' "$doc/copyright" || fail "the copyright file grants a licence"
zcat "$doc/changelog.gz" | head -n 1 | grep -q "^zelquiz ($(dpkg-query -W -f='${Version}' zelquiz)) " \
  || fail "the changelog does not begin with the package's version"
zcat /usr/share/man/man1/zelquiz.1.gz | grep -qF 'check\-bank' || fail "the manual page lacks the options"
metainfo=/usr/share/metainfo/io.github.zelquiz.ZELQuiz.metainfo.xml
appstreamcli validate --no-net "$metainfo"
grep -q '<launchable type="desktop-id">zelquiz.desktop</launchable>' "$metainfo" \
  || fail "the AppStream metadata does not name the desktop entry"

desktop=/usr/share/applications/zelquiz.desktop
[ -f "$desktop" ] || fail "no desktop entry"
[ -f /usr/share/icons/hicolor/256x256/apps/zelquiz.png ] || fail "no icon"
[ -f /usr/share/icons/hicolor/scalable/apps/zelquiz.svg ] || fail "no scalable icon"
desktop-file-validate "$desktop"
menu_command="$(sed -n 's/^Exec=//p' "$desktop")"
[ -x "$menu_command" ] || fail "the desktop entry starts '$menu_command', which is not a program"

times="$(mktemp)"
for start in zelquiz "$menu_command"; do
  QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES="qt.multimedia*=false" \
    timeout 60 "$start" --startuptime "$times" || fail "'$start' did not start its window"
  grep -q "^window shown" "$times" || fail "'$start' never showed its window"
done
rm -f "$times"

trap - EXIT
$SUDO apt-get remove -y zelquiz
[ ! -e /usr/lib/zelquiz/zelquiz ] && [ ! -e /usr/bin/zelquiz ] && [ ! -e "$desktop" ] \
  && [ ! -e "$doc" ] && [ ! -e "$metainfo" ] \
  || fail "removing the package left files behind"
echo "package test passed"
