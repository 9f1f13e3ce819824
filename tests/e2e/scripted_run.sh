#!/usr/bin/env bash
# Runs the built editor as a user would, on a real X server (Xvfb): open the
# Load dialog with its mnemonic, accept the offered "tiledata", go to line
# 0005 with the arrow keys, type a new name, save, quit. Then both game files must be,
# byte for byte, what an independent reading of the originals predicts: the
# loaded patches written into the tile-data file, every replacement block
# rewritten, and the new name in both places. Nothing else may differ.
# Every step waits for the window it needs, up to a deadline, rather than
# for a fixed time.
# usage: scripted_run.sh BUILD_DIR
set -euo pipefail
build=$(cd "${1:?usage: scripted_run.sh BUILD_DIR}" && pwd)
work=$(mktemp -d)
cleanup() {
  kill "${editor_pid:-}" "${xvfb_pid:-}" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

run_name="scripted run"
source "$(dirname "$0")/../support/script_helpers.sh"

game=$work/game
"$build/tools/sample/quarnel-sample" "$game"
"$build/tests/e2e/expect-saved" "$game" "$work/expected" 0005 --name 'scripted name'

start_x_server
export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

(cd "$game" && exec "$build/app/quarnel") &
editor_pid=$!

window=$(xdotool search --sync --onlyvisible --name '^Quarnel Editor$' | head -n 1)
xdotool windowfocus --sync "$window"
key alt+l                                    # &Load
dialog=$(xdotool search --sync --onlyvisible --name '^Open$' | head -n 1)
xdotool windowfocus --sync "$dialog"
key Return                                   # accept the offered "tiledata"
wait_until "the file dialog to close" no_window_named '^Open$'
xdotool windowfocus --sync "$window"
# The editor takes these keys in order, once its load has filled the list.
key Tab                                      # from "&Quit", which kept the focus, to the list
key Home Down Down Down Down Down            # line 0005 (typing its number is timing-bound)
key Tab Tab Tab                              # list, Load, Save, then Name (text selected)
xdotool type --delay 80 'scripted name'
key alt+s                                    # &Save
key alt+q                                    # &Quit

wait_until "the editor to close" bash -c "! kill -0 $editor_pid"

expect_same_files "$work/expected" "$game"
