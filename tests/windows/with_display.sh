#!/usr/bin/env bash
# Runs a windowed Windows program under Wine on its own X server (Xvfb).
# Wine's processes keep the display they started with, so the prefix's are
# ended before and after; ctest runs such a test alone.
# usage: with_display.sh WINE_RUN PROGRAM.exe [ARGS...]
set -euo pipefail
wine_run=$1
shift
run_name=$(basename "$1")
source "$(dirname "$0")/../support/script_helpers.sh"
stop_wine() { wineserver -k >/dev/null 2>&1 || true; }
trap 'stop_wine; kill ${xvfb_pid:-} 2>/dev/null || true' EXIT
start_x_server
stop_wine
"$wine_run" "$@"
