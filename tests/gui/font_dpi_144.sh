#!/bin/sh
# Runs the text-fit cases on a large-font desktop: an X server of its own
# (the offscreen platform has no font DPI setting) and a font DPI of 144.
# Usage: font_dpi_144.sh TEST_PROGRAM
set -eu
fifo="$(mktemp -u)"
mkfifo "$fifo"
Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null; rm -f "$fifo"' EXIT
read -r display <"$fifo"
DISPLAY=":$display" QT_QPA_PLATFORM=xcb QT_FONT_DPI=144 QT_LOGGING_RULES="qt.multimedia*=false" \
  "$1" --gtest_filter='Windows/TextFit.*'
