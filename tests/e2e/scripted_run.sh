#!/usr/bin/env bash
# Runs the built editor as a user would, on a real X server (Xvfb): open the
# Load dialog with its mnemonic, accept the offered "tiledata", pick line
# 0005 by typing, type a new name, save, quit. Then both game files must
# hold the new name, and nothing else of them may have changed.
# usage: scripted_run.sh BUILD_DIR
set -euo pipefail
build=$(cd "${1:?usage: scripted_run.sh BUILD_DIR}" && pwd)
work=$(mktemp -d)
cleanup() {
  kill "${editor_pid:-}" "${xvfb_pid:-}" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

game=$work/game
"$build/tools/sample/quarnel-sample" "$game"
cp -r "$game" "$work/original"

display=:$((100 + RANDOM % 400))
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do xdpyinfo -display "$display" >/dev/null 2>&1 && break; sleep 0.1; done
export DISPLAY=$display QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

(cd "$game" && exec "$build/app/Quarnel") &
editor_pid=$!

key() { xdotool key --clearmodifiers "$@"; sleep 0.4; }

window=$(xdotool search --sync --name '^Quarnel Editor$' | head -n 1)
xdotool windowfocus --sync "$window"
sleep 0.5
key alt+l                                    # &Load
dialog=$(xdotool search --sync --name '^Open$' | head -n 1)
xdotool windowfocus --sync "$dialog"
sleep 0.5
key Return                                   # accept the offered "tiledata"
sleep 1
xdotool windowfocus --sync "$window"
key Tab                                      # from "&Quit", which kept the focus, to the list
xdotool type --delay 80 '0005'               # jump to line 0005
sleep 0.4
key Tab Tab Tab                              # list, Load, Save, then Name (text selected)
xdotool type --delay 80 'scripted name'
sleep 0.4
key alt+s                                    # &Save
key alt+q                                    # &Quit

for _ in $(seq 50); do kill -0 "$editor_pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$editor_pid" 2>/dev/null; then
  echo "scripted run: the editor did not close" >&2
  exit 1
fi

# Tile 5 lies in static block 0; the patch file's first index entry replaces that block.
name_at() { dd if="$1" bs=1 skip="$2" count=14 2>/dev/null | tr '\0' '|'; }
tile_offset=$((0x68800 + 4 + 5 * 37 + 17))
patch_block=$(od -An -tu4 -j 12 -N 4 "$game/verdata.mul" | tr -d ' ')
patch_offset=$((patch_block + 4 + 5 * 37 + 17))
status=0
for place in "tiledata.mul:$tile_offset" "verdata.mul:$patch_offset"; do
  file=${place%%:*}; offset=${place##*:}
  got=$(name_at "$game/$file" "$offset")
  if [[ "$got" != "scripted name|" ]]; then
    echo "scripted run: $file holds '$got' at $offset, not the new name" >&2
    status=1
  fi
  # Apart from the name field, the files differ only where the load applied patches.
  changed=$( { cmp -l "$work/original/$file" "$game/$file" 2>/dev/null || true; } | awk -v lo="$offset" '$1 - 1 < lo || $1 - 1 >= lo + 20' | wc -l)
  echo "scripted run: $file: new name in place; $changed other bytes changed"
done
if [[ $status -eq 0 ]]; then
  echo "scripted run: passed"
fi
exit $status
