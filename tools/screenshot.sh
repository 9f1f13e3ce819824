#!/usr/bin/env bash
# Takes the README's screenshots on a real X server (Xvfb): the editor, and
# with ART.png the editor beside its Tile Art window.
# usage: tools/screenshot.sh BUILD_DIR OUT.png [ART.png]
set -euo pipefail
build=${1:-build}
out=${2:-docs/editor.png}
art=${3:-}
game=$(mktemp -d)
trap 'rm -rf "$game"; kill "${xvfb_pid:-}" 2>/dev/null || true' EXIT
"$build/tools/sample/quarnel-sample" "$game"
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do xdpyinfo -display "$display" >/dev/null 2>&1 && break; sleep 0.1; done
mkdir -p "$(dirname "$out")"
DISPLAY=$display QT_QPA_PLATFORM=xcb "$build/tools/screenshot/quarnel-screenshot" "$out" "$game" ${art:+"$art"}
echo "wrote $out${art:+ and $art}"
