#!/bin/sh
# Starts the Windows program the way a user gets it, under wine on an X
# server (a private Xvfb when there is no display), and fails on the first
# thing that is not as on Linux:
#   - the folder `cmake --install` lays out runs with nothing from the search
#     path (every DLL and plugin is in it): the command line prints, both
#     modules load, the window reaches its first question, and a missing
#     A.zel or AD.zel stops the start-up with its error box and status 1;
#     with no desktop to show a window on, the program ends with status 1
#     and says why on its error output rather than wait unseen;
#   - a bank update from the server named in the registry settings is
#     downloaded and replaces the bank, which the program then starts on;
#   - the installer (package.sh) installs for the current user without
#     administrator rights, with a Start-menu entry and an entry in the list
#     of installed programs (with the folder's size); the installed program
#     starts; a second install keeps a bank the user has downloaded
#     meanwhile, and puts the whole sample bank in place of a downloaded one
#     that lacks a file; the uninstaller removes the program, its entry and
#     its shortcut;
#   - thirty starts of the installed folder from a cold wine session
#     (cold-starts.sh) each show the main window with the start-up picture
#     above it.
# Argument: the build folder (default: build-win).
set -eu
. "$(dirname "$0")/env.sh"
zq_apt_install wine wine64 fonts-liberation xvfb xdotool imagemagick python3

cd "$ZQ_REPO"
dir="${1:-build-win}"
[ -f "$dir/bin/zelquiz.exe" ] || { zq_log "no $dir/bin/zelquiz.exe: run scripts/windows/build.sh first"; exit 2; }
zq_wine_prefix
unset WINEPATH
# A wine session of its own, on the X server below: one left by an earlier
# script keeps its desktop on that script's display.
wineserver -k 2>/dev/null || true

tmp=$(mktemp -d)
xvfb=
cleanup() {
  wineserver -k 2>/dev/null || true
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
  rm -rf "$tmp"
}
trap cleanup EXIT INT TERM
if [ -z "${DISPLAY:-}" ]; then
  # The server picks a free display number and writes it when it is ready.
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$tmp/display" >/dev/null 2>&1 &
  xvfb=$!
  for _ in $(seq 100); do [ -s "$tmp/display" ] && break; sleep 0.1; done
  [ -s "$tmp/display" ] || { zq_log "Xvfb did not start"; exit 1; }
  DISPLAY=:$(cat "$tmp/display")
  export DISPLAY
fi

fail() { zq_log "FAILED: $*"; exit 1; }
pass() { zq_log "ok: $*"; }

# Starts the program in FOLDER with --startuptime; it ends by itself with
# status 0 once its window has painted the first question. A start in which
# wine's window system made no window (the program says so and ends with
# status 1; see cold-starts.sh) is wine's fault, not the program's, and is
# tried again, twice at most.
first_question() {
  trace=$tmp/trace.txt
  for attempt in 1 2 3; do
    rm -f "$trace"
    code=0
    timeout 120 wine "$1/zelquiz.exe" --startuptime "$(winepath -w "$trace")" >/dev/null \
      2>"$tmp/err.txt" || code=$?
    [ "$code" = 1 ] && [ "$attempt" -lt 3 ] &&
      grep -q 'the window system could not open the main window' "$tmp/err.txt" || break
    zq_log "start $attempt: wine's window system made no window; trying again"
  done
  [ "$code" = 0 ] ||
    fail "$1/zelquiz.exe --startuptime ended with status $code after: $(cat "$trace" 2>/dev/null);" \
      "it said: $(grep -v ':fixme:' "$tmp/err.txt" | tail -n 5)"
  grep -q '^first question on screen' "$trace" && grep -q '^window shown' "$trace" ||
    fail "the start-up trace lacks the first question: $(cat "$trace" 2>/dev/null)"
  pass "first question on screen after $(sed -n 's/^window shown\t\([0-9.]*\).*/\1/p' "$trace") ms ($1)"
}

# Starts the program in FOLDER without bank file NAME: an error box titled
# "Program Error!" must appear; after OK the program ends with status 1.
missing_bank_file() {
  copy=$tmp/without-$2
  rm -rf "$copy" && cp -r "$1" "$copy" && rm "$copy/$2"
  (
    code=0
    timeout 120 wine "$copy/zelquiz.exe" >/dev/null 2>&1 || code=$?
    echo "$code" >"$tmp/status"
  ) &
  runner=$!
  box=
  for _ in $(seq 120); do
    box=$(xdotool search --onlyvisible --name '^Program Error!$' 2>/dev/null | head -n 1) &&
      [ -n "$box" ] && break
    sleep 0.5
  done
  [ -n "$box" ] || fail "no error box without $2"
  # OK is the default button; the box may still be on its way to the screen.
  for _ in $(seq 20); do
    xdotool windowfocus --sync "$box" key Return 2>/dev/null && break
    sleep 0.5
  done
  wait "$runner"
  [ "$(cat "$tmp/status")" = 1 ] || fail "without $2 the program ended with status $(cat "$tmp/status")"
  pass "without $2: error box, status 1"
}

# Starts the program in FOLDER with no desktop to put windows on (wine's
# desktop process disabled: what a start meets when that process is not up
# in time on a loaded machine). The program must end by itself with status
# 1 and say MESSAGE on its error output, not wait unseen for ever.
no_desktop() {
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
  code=0
  WINEDLLOVERRIDES="$WINEDLLOVERRIDES;explorer.exe=d" timeout 60 wine "$1/zelquiz.exe" \
    >/dev/null 2>"$tmp/no-desktop.err" || code=$?
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
  [ "$code" = 1 ] && grep -q "$2" "$tmp/no-desktop.err" ||
    fail "with no desktop the program ended with status $code: $(tr -d '\r' <"$tmp/no-desktop.err")"
  pass "with no desktop: status 1, \"$2\" ($1)"
}

# --- the installed folder -------------------------------------------------
folder=$tmp/installed
cmake --install "$dir" --prefix "$folder" >/dev/null
version=$(wine "$folder/zelquiz.exe" --version | tr -d '\r' | head -n 1)
[ "$version" = "zelquiz $(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$dir/CMakeCache.txt")" ] ||
  fail "--version printed \"$version\""
pass "--version: $version"
wine "$folder/zelquiz.exe" --check-modules | tr -d '\r' >"$tmp/modules" || fail "--check-modules: $(cat "$tmp/modules")"
pass "modules: $(tr '\n' ' ' <"$tmp/modules")"
wine "$folder/zelquiz.exe" --check-bank "$(winepath -w "$folder")" >/dev/null || fail "--check-bank of the sample bank"
pass "--check-bank"
first_question "$folder"
missing_bank_file "$folder" A.zel
missing_bank_file "$folder" AD.zel
no_desktop "$folder" '^zelquiz: the window system could not open the main window'
no_desktop "$tmp/without-A.zel" '^Program Error!: Error Loading From File.'
# Every start from a cold wine session shows its window, with the start-up
# picture on top.
"$ZQ_REPO/scripts/windows/cold-starts.sh" "$folder" "$dir/bin"

# --- a bank update, downloaded as Windows does it -----------------------
# The server named in the user's settings (the registry on Windows) serves
# a bank of a newer version; --update-bank fetches it through the network
# module and replaces the three files through the journal.
updated=$tmp/updated
cp -r "$folder" "$updated"
mkdir -p "$tmp/server/zel"
# The server's files end without a line end, which the download adds; its
# A.zel has one text more than the sample's, an answer only, with the
# entry line that keeps the two files in step (a text without one would be
# asked with empty answers, and the download refuses such a bank).
cat "$folder/AD.zel" >"$tmp/server/zel/AD.zel"
printf '9|0|0|0|0|0|0|' >>"$tmp/server/zel/AD.zel"
cat "$folder/A.zel" >"$tmp/server/zel/A.zel"
printf 'A text the update added' >>"$tmp/server/zel/A.zel"
printf '9.9' >"$tmp/server/zel/DV.ZEL"
python3 -c '
import functools, http.server, sys
class Quiet(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass
handler = functools.partial(Quiet, directory=sys.argv[1])
server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
open(sys.argv[2], "w").write(str(server.server_port))
server.serve_forever()' "$tmp/server" "$tmp/port" &
server=$!
for _ in $(seq 50); do [ -s "$tmp/port" ] && break; sleep 0.1; done
settings='HKCU\Software\ZELQuiz\ZELQuiz\update'
wine reg add "$settings" /v baseurl /d "http://127.0.0.1:$(cat "$tmp/port")/" /f >/dev/null 2>&1
code=0
wine "$updated/zelquiz.exe" --update-bank | tr -d '\r' >"$tmp/update.out" || code=$?
wine reg delete "$settings" /f >/dev/null 2>&1
kill "$server"
[ "$code" = 0 ] || fail "--update-bank ended with status $code: $(cat "$tmp/update.out")"
for f in A.zel AD.zel DV.ZEL; do
  printf '\r\n' | cat "$tmp/server/zel/$f" - | cmp -s - "$updated/$f" || fail "$f was not replaced by the served one"
done
left=$(cd "$updated" && ls -d ./*.new bank-update.journal* 2>/dev/null || true)
[ -z "$left" ] || fail "left after the update: $left"
pass "--update-bank from the server in the registry settings replaced the bank"
first_question "$updated"

# --- the installer --------------------------------------------------------
installer=$(ls "$dir"/zelquiz-*-win64-setup.exe 2>/dev/null | head -n 1) || true
if [ -z "$installer" ]; then
  zq_log "no installer in $dir (package.sh makes it): installer not checked"
  exit 0
fi
appdata=$(winepath -u "$(wine cmd /c echo %LOCALAPPDATA% | tr -d '\r')")
roaming=$(winepath -u "$(wine cmd /c echo %APPDATA% | tr -d '\r')")
home="$appdata/Programs/ZEL Quiz"
shortcut="$roaming/Microsoft/Windows/Start Menu/Programs/ZEL Quiz.lnk"
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\ZELQuiz'
# A left-over from an earlier run goes first.
[ -f "$home/Uninstall.exe" ] && wine "$home/Uninstall.exe" /S && wineserver -w
rm -rf "$home"

wine "$installer" /S && wineserver -w || fail "the installer ended with status $?"
for f in zelquiz.exe Uninstall.exe A.zel AD.zel DV.ZEL Qt6Core.dll platforms/qwindows.dll; do
  [ -f "$home/$f" ] || fail "not installed: $home/$f"
done
[ -f "$shortcut" ] || fail "no Start-menu entry $shortcut"
wine reg query "$key" /v InstallLocation >/dev/null 2>&1 || fail "no entry $key"
pass "installed for the user in $home, with Start-menu entry and uninstaller"
# The size the list of installed programs shows is the folder's, in KiB.
estimated=$(wine reg query "$key" /v EstimatedSize 2>/dev/null | tr -d '\r' |
  sed -n 's/.*REG_DWORD *0x\([0-9a-fA-F]*\).*/\1/p')
[ -n "$estimated" ] || fail "no EstimatedSize in $key"
estimated=$((0x$estimated))
actual=$(du -sk --apparent-size "$home" | cut -f1)
[ $((estimated * 100)) -ge $((actual * 95)) ] && [ $((estimated * 100)) -le $((actual * 105)) ] ||
  fail "EstimatedSize is $estimated KiB, the folder $actual KiB"
pass "EstimatedSize: $estimated KiB (the folder: $actual KiB)"
first_question "$home"

# A downloaded bank survives a second install: all three files of it.
for f in A.zel AD.zel DV.ZEL; do cp "$home/$f" "$tmp/$f.sample"; done
download() {
  for f in A.zel AD.zel DV.ZEL; do
    cp "$tmp/$f.sample" "$home/$f" && printf 'downloaded\r\n' >>"$home/$f"
  done
}
download
wine "$installer" /S && wineserver -w || fail "the second install ended with status $?"
for f in A.zel AD.zel DV.ZEL; do
  printf 'downloaded\r\n' | cat "$tmp/$f.sample" - | cmp -s - "$home/$f" ||
    fail "a second install replaced the downloaded $f"
done
pass "a second install keeps the downloaded bank"
# A downloaded set that lacks one of its files is no bank: the install puts
# the whole sample set in its place, never one sample file beside two
# downloaded ones.
for missing in A.zel AD.zel DV.ZEL; do
  download
  rm "$home/$missing"
  wine "$installer" /S && wineserver -w || fail "the install without $missing ended with status $?"
  for f in A.zel AD.zel DV.ZEL; do
    cmp -s "$tmp/$f.sample" "$home/$f" || fail "without $missing, the install left $f not the sample's"
  done
done
pass "a downloaded bank without A.zel, AD.zel or DV.ZEL is replaced by the whole sample set"

wine "$home/Uninstall.exe" /S && wineserver -w || fail "the uninstaller ended with status $?"
[ ! -e "$home" ] || fail "left after uninstalling: $(ls "$home")"
[ ! -e "$shortcut" ] || fail "the Start-menu entry is left after uninstalling"
! wine reg query "$key" >/dev/null 2>&1 || fail "the entry $key is left after uninstalling"
pass "uninstalled: folder, Start-menu entry and list entry removed"
