#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Measures the game's start-up from outside the process: the time from launch
# until its window is mapped on an X display, and the process's peak resident
# memory (the kernel's VmHWM) once the splash has gone.
# Usage: bench/startup.sh [path/to/mosaic-rush] [runs]
# Needs Xvfb and xdotool (tools/install-deps.sh installs them).
set -euo pipefail
game=${1:-build/release/mosaic-rush}
runs=${2:-5}
display=:97
Xvfb "$display" -noreset -screen 0 1280x1024x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done

for run in $(seq "$runs"); do
    start=$(date +%s%N)
    "$game" >/dev/null 2>&1 &
    pid=$!
    until xdotool search --onlyvisible --pid "$pid" >/dev/null 2>&1; do
        kill -0 "$pid" 2>/dev/null || { echo "the game did not start" >&2; exit 1; }
    done
    shown=$(date +%s%N)
    sleep 3  # the splash goes after 2 s
    peak=$(awk '/VmHWM/ {print $2}' "/proc/$pid/status")
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    printf 'run %d: window on screen after %d ms, peak memory %d MB\n' \
        "$run" $(((shown - start) / 1000000)) $((peak / 1024))
done
