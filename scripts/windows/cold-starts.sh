#!/bin/sh
# Starts the Windows program in FOLDER again and again, each time from a
# cold wine session (wineserver -k first, as after a log-in), and fails on
# the first start whose main window is not on the X display within the
# deadline, after printing a backtrace of every thread of the stuck process
# (winedbg) and what it wrote. Each start must also show the start-up
# picture above the main window, compared by pixels with zel2.jpg.
#
# A start that wine itself never ran (the process unknown to wine, or the
# program ending at once because the window system made no window) is not
# the program's fault: it is retried, up to ZQ_COLD_RETRIES times in all.
#
# Arguments: the installed folder, and optionally the folder of the
# program as built, whose symbols name the backtrace's frames. Needs an X
# display (smoke.sh runs it on its own Xvfb) and the prefix of env.sh. ZQ_COLD_STARTS (default 30) and ZQ_COLD_DEADLINE (seconds,
# default 30) change the loop.
set -eu
. "$(dirname "$0")/env.sh"
folder=${1:?the installed folder}
symbols=${2:-}
starts=${ZQ_COLD_STARTS:-30}
deadline=${ZQ_COLD_DEADLINE:-30}
retries=${ZQ_COLD_RETRIES:-3}
[ -n "${DISPLAY:-}" ] || { zq_log "cold starts need DISPLAY"; exit 2; }
zq_wine_prefix
unset WINEPATH

tmp=$(mktemp -d)
trap 'wineserver -k 2>/dev/null || true; rm -rf "$tmp"' EXIT INT TERM

# The picture as the program draws it, without the version text below it.
picture_height=300
convert "$folder/zel2.jpg" -crop "449x$picture_height+0+0" +repage "$tmp/picture.png"

# The wine process id (hex) of zelquiz.exe, empty when wine knows none.
wine_pid() {
  timeout 30 winedbg --command 'info process' 2>/dev/null | tr -d '\r' |
    sed -n "s/^[ >]*\([0-9a-f]\{8\}\) .*'zelquiz.exe'.*/\1/p" | head -n 1
}

# Names the function of each frame winedbg could only give as a module and
# an offset, from the symbol tables of the binaries as built (the installed
# ones have none): Qt's in the cache, the program's in SYMBOLS.
symbolize() {
  while IFS= read -r line; do
    frame=$(printf '%s\n' "$line" | sed -n 's/.* in \([A-Za-z0-9_]*\) (+0x\([0-9a-f]*\)).*/\1 \2/p')
    file=
    if [ -n "$frame" ]; then
      file=$(find "$ZQ_PREFIX/bin" "$ZQ_PREFIX/plugins" ${symbols:+"$symbols"} -maxdepth 2 \
        \( -iname "${frame% *}.dll" -o -iname "${frame% *}.exe" \) 2>/dev/null | head -n 1)
    fi
    if [ -z "$file" ]; then
      printf '%s\n' "$line"
      continue
    fi
    base=$("$ZQ_TRIPLE-objdump" -p "$file" | awk '/^ImageBase/ { print $2 }')
    target=$(printf '%016x' $((0x$base + 0x${frame#* })))
    name=$("$ZQ_TRIPLE-nm" -n -C --defined-only "$file" 2>/dev/null |
      awk -v t="$target" '$1 <= t && $2 ~ /^[tT]$/ { $1 = $2 = ""; s = substr($0, 3) } END { print s }')
    printf '%s  %s\n' "$line" "${name:-?}"
  done
}

# Whether the start-up picture is on top: the screen where the picture
# window is shows the picture, not the main window over it.
splash_on_top() {
  for splash in $(xdotool search --onlyvisible --class zelquiz 2>/dev/null); do
    eval "$(xdotool getwindowgeometry --shell "$splash")"
    # shellcheck disable=SC2153
    [ "$WIDTH" = 449 ] && [ "$HEIGHT" = 350 ] || continue
    import -window root -crop "449x$picture_height+$X+$Y" +repage "$tmp/screen.png" 2>/dev/null
    differing=$(compare -metric AE -fuzz 12% "$tmp/screen.png" "$tmp/picture.png" null: 2>&1 | cut -d' ' -f1)
    # JPEG decoders differ by a shade here and there, a window on top by far more.
    [ "${differing%.*}" -lt $((449 * picture_height / 20)) ] && return 0
  done
  return 1
}

# One cold start; prints "window SECONDS", "not-run WHY" or "stuck".
cold_start() {
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
  started=$(date +%s.%N)
  wine "$folder/zelquiz.exe" >"$tmp/out" 2>&1 &
  runner=$!
  end=$(($(date +%s) + deadline))
  while [ "$(date +%s)" -lt "$end" ]; do
    if [ -n "$(xdotool search --onlyvisible --name '^ZEL Quiz$' 2>/dev/null)" ]; then
      shown=$(date +%s.%N)
      on_top=no
      for _ in $(seq 20); do
        splash_on_top && on_top=yes && break
        sleep 0.2
      done
      echo "window $(awk "BEGIN { printf \"%.1f\", $shown - $started }") $on_top"
      return 0
    fi
    if ! kill -0 "$runner" 2>/dev/null; then
      code=0
      wait "$runner" || code=$?
      echo "not-run ended with status $code: $(tr -d '\r' <"$tmp/out" | tr '\n' ' ')"
      return 0
    fi
    sleep 0.2
  done
  [ -n "$(wine_pid)" ] || {
    echo "not-run unknown to wine"
    return 0
  }
  echo stuck
}

zq_log "$starts cold starts of $folder/zelquiz.exe under $(wine --version), deadline $deadline s"
began=$(date +%s)
times=
i=0
while [ "$i" -lt "$starts" ]; do
  result=$(cold_start)
  case $result in
  window*)
    # shellcheck disable=SC2086 # the words of the result
    set -- $result
    [ "$3" = yes ] || {
      import -window root "$tmp/covered.png" 2>/dev/null || true
      cp "$tmp/covered.png" "${ZQ_SHOTS:-/tmp}/zelquiz-splash-covered.png" 2>/dev/null || true
      zq_log "FAILED: start $((i + 1)): the start-up picture is not above the main window"
      exit 1
    }
    times="$times $2"
    i=$((i + 1))
    ;;
  not-run*)
    retries=$((retries - 1))
    zq_log "start $((i + 1)): wine did not run the program (${result#not-run }); retries left: $retries"
    [ "$retries" -ge 0 ] || { zq_log "FAILED: wine failed to run the program too often"; exit 1; }
    ;;
  *)
    pid=$(wine_pid)
    zq_log "FAILED: start $((i + 1)): zelquiz.exe (wine pid $pid) has shown no window after $deadline s"
    zq_log "its output: $(tr -d '\r' <"$tmp/out")"
    zq_log "its threads:"
    # winedbg walks the threads of every process; the program's are shown.
    timeout 120 winedbg --command 'bt all' "0x$pid" 2>&1 | tr -d '\r' |
      awk '/^Backtracing for thread/ { on = /zelquiz\.exe\):?$/ } on' | symbolize >&2 || true
    exit 1
    ;;
  esac
done
zq_log "ok: $starts cold starts, each with its window and the start-up picture on top" \
  "(seconds to the window: $(echo "$times" | tr ' ' '\n' | sort -n | awk 'NF {
    a[n++] = $1 } END { printf "min %.1f, median %.1f, max %.1f", a[0], a[int(n / 2)], a[n - 1] }'));" \
  "the loop took $(($(date +%s) - began)) s"
