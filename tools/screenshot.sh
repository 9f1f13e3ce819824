#!/usr/bin/env bash
# Takes the README's screenshots on a real X server (Xvfb): the editor, with
# ART.png the editor beside its Tile Art window, with NEWER.png the editor
# on a newer sample, its boxes of flag bits 32-63 shown, and with HUED.png
# the editor beside its Tile Art window drawing the tile through a hue, and
# with PICTURES.png the editor over its Tile Pictures window.
# usage: tools/screenshot.sh BUILD_DIR OUT.png [ART.png [NEWER.png [HUED.png [PICTURES.png]]]]
set -euo pipefail
build=${1:-build}
out=${2:-docs/editor.png}
art=${3:-}
newer=${4:-}
hued=${5:-}
pictures=${6:-}
# The sample's hue named Fire_Hue.
hue=3
game=$(mktemp -d)
newer_game=$(mktemp -d)
trap 'rm -rf "$game" "$newer_game"; kill "${xvfb_pid:-}" 2>/dev/null || true' EXIT
"$build/tools/sample/quarnel-sample" "$game"
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1600x1200x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do xdpyinfo -display "$display" >/dev/null 2>&1 && break; sleep 0.1; done
mkdir -p "$(dirname "$out")"
DISPLAY=$display QT_QPA_PLATFORM=xcb "$build/tools/screenshot/quarnel-screenshot" "$out" "$game" ${art:+"$art"}
echo "wrote $out${art:+ and $art}"
if [ -n "$newer" ]; then
  "$build/tools/tiles/quarnel-tiles" sample "$newer_game" --layout newer >/dev/null
  DISPLAY=$display QT_QPA_PLATFORM=xcb "$build/tools/screenshot/quarnel-screenshot" "$newer" "$newer_game"
  echo "wrote $newer"
fi
if [ -n "$hued" ]; then
  DISPLAY=$display QT_QPA_PLATFORM=xcb "$build/tools/screenshot/quarnel-screenshot" "$game/editor.png" "$game" "$hued" "$hue"
  echo "wrote $hued"
fi
if [ -n "$pictures" ]; then
  DISPLAY=$display QT_QPA_PLATFORM=xcb "$build/tools/screenshot/quarnel-screenshot" "$game/editor.png" "$game" --pictures "$pictures"
  echo "wrote $pictures"
fi
