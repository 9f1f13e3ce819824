#!/usr/bin/env bash
# Runs a windowed Windows program under Wine on its own X server (Xvfb).
# Wine's processes keep the display they started with, so the prefix's are
# ended before and after; ctest runs such a test alone.
# usage: with_display.sh WINE_RUN PROGRAM.exe [ARGS...]
set -euo pipefail
wine_run=$1
shift
stop_wine() { wineserver -k >/dev/null 2>&1 || true; }
display=:$((100 + RANDOM % 400))
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
trap 'stop_wine; kill $xvfb_pid 2>/dev/null || true' EXIT
for _ in $(seq 100); do xdpyinfo -display "$display" >/dev/null 2>&1 && break; sleep 0.1; done
export DISPLAY=$display
stop_wine
"$wine_run" "$@"
