#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes the wide screenshot for the AppStream description (docs/screenshot-wide.png):
# the real game under Xvfb and openbox, a 6 x 6 sliding game in progress at
# X2, its window (with openbox's frame) centred on a plain 1248 x 702 background.
#
#   sh tools/take-screenshot.sh build/release/mosaic-rush [OUT.png]
#
# Needs Xvfb, openbox, xdotool and ImageMagick (import, convert).
set -eu
game=$1
out=${2:-docs/screenshot-wide.png}
display=:${SCREENSHOT_DISPLAY:-87}
work=$(mktemp -d)
cleanup() {
    [ -z "${game_pid:-}" ] || { kill "$game_pid" 2>/dev/null; wait "$game_pid" 2>/dev/null; } || true
    [ -z "${wm_pid:-}" ] || kill "$wm_pid" 2>/dev/null || true
    [ -z "${x_pid:-}" ] || kill "$x_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# A fresh home: default settings, no best results.
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share
export XDG_RUNTIME_DIR=$work/run LANGUAGE=en LANG=C.UTF-8 LC_ALL=C.UTF-8
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
unset WAYLAND_DISPLAY QT_QPA_PLATFORM

Xvfb "$display" -screen 0 1600x1000x24 -nolisten tcp & x_pid=$!
export DISPLAY=$display
sleep 1
openbox & wm_pid=$!
sleep 1
"$game" & game_pid=$!
window=$(xdotool search --sync --onlyvisible --name '^Mosaic Rush' | head -n 1)
xdotool windowactivate --sync "$window"
sleep 1
# Type > 6 X 6, Magnify > X2, then a few moves of sliding play.
xdotool key --delay 300 alt+t 6
sleep 0.5
xdotool key --delay 300 alt+m 2
sleep 0.5
xdotool key --delay 250 Left Left Up Up Right Down Right Down Left Left Up
sleep 2
# The window with openbox's frame, centred on a plain background.
import -frame -window "$window" "$work/window.png"
convert -size 1248x702 xc:'#3b4656' "$work/window.png" -gravity center -composite \
    -strip -define png:compression-level=9 "$out"
echo "$out: $(identify -format '%w x %h' "$out"), $(wc -c < "$out") bytes"
