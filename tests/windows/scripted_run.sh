#!/usr/bin/env bash
# Runs Quarnel.exe under Wine on a real X server (Xvfb), as a user would:
# "--help" answered in a message box, no editor; then the editor started
# with the sample's path, as Windows starts it for a file dropped on it,
# which loads it and opens the Tile Art window; the About box from the
# system menu, line 0005 picked, a name and a weight typed and a flag
# clicked, saved, Find Tile's miss, F3 and find, the Tile Art window opened
# by its key and closed, the Tile Pictures window by its key, a cell clicked and closed, a missing file typed into the file dialog and its
# message box, and quit. Both
# game files must then be, byte for byte, what an independent reading of the
# originals predicts. Every step waits for the window it needs, up to a
# deadline.
# usage: scripted_run.sh WINE_RUN BUILD_DIR
set -euo pipefail
wine_run=$1
build=$(cd "$2" && pwd)
work=$(mktemp -d)
# Wine's processes keep the X display they started with: the run begins and
# ends with none of the prefix's left (ctest runs it alone).
stop_wine() { wineserver -k >/dev/null 2>&1 || true; }
cleanup() {
  kill "${editor_pid:-}" 2>/dev/null || true
  stop_wine
  kill "${xvfb_pid:-}" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

run_name="windows scripted run"
source "$(dirname "$0")/../support/script_helpers.sh"
# Wine's drive Z: is the Unix root.
windows_path() { local path=${1//\//\\}; echo "Z:$path"; }

game=$work/game
"$wine_run" "$build/tools/tiles/quarnel-tiles.exe" sample "$(windows_path "$game")" >/dev/null
"$wine_run" "$build/tests/e2e/expect-saved.exe" "$(windows_path "$game")" "$(windows_path "$work/expected")" 0005 \
  --name 'wine name' --weight 77 --toggle-flag 0

stop_wine
start_x_server

# "--help": its text in a box captioned with the program's name, and no editor.
"$wine_run" "$build/app/Quarnel.exe" --help &
help_pid=$!
wait_until "the help box" window_named '^Quarnel$'
focus "$(window_named '^Quarnel$' | head -n 1)"
key space                                    # OK
wait "$help_pid" || fail "Quarnel.exe --help ended with status $?"
no_window_named '^Quarnel Editor$' || fail "--help opened the editor"

(cd "$game" && exec "$wine_run" "$build/app/Quarnel.exe" "$(windows_path "$game/tiledata.mul")") &
editor_pid=$!
wait_until "the editor" window_named '^Quarnel Editor$'
window=$(window_named '^Quarnel Editor$' | head -n 1)
# Opened by the start's load, beside the editor, once it has loaded.
wait_until "the Tile Art window of the first tile" window_named '^Tile Art$'
# Wine with no window manager keeps the keys from a window that only the X
# focus was moved to; a click gives them to it. Clicked where the click does
# nothing: the middle of the Tile Art window's picture, and the editor's
# "Name:" label (dialog units 129, 9 to 151, 17).
click_inside() {  # WINDOW X Y, each in thousandths of the window's size
  eval "$(xdotool getwindowgeometry --shell "$1")"
  xdotool mousemove --window "$1" $((WIDTH * $2 / 1000)) $((HEIGHT * $3 / 1000)) click 1
}
activate_editor() { click_inside "$window" $((1000 * 140 / 383)) $((1000 * 13 / 242)); }
activate_editor

# The About box, from the window's system menu; its OK button closes it.
key alt+space
key Up Up Up Up Return                       # "&About Quarnel...", above "&Tile Art...", "&Find Tile..." and the last, "Tile &Pictures..." (Wine adds its own "About Wine" above)
wait_until "the About box" window_named '^About Quarnel$'
key space                                    # OK, which has the focus (Return's release would reach the editor)
wait_until "the About box to close" no_window_named '^About Quarnel$'

# Answers the file dialog with a path typed as Windows gives it (the dialog
# opens in the folder it showed last time, not necessarily this run's).
# Tab leaves the name box, closing any completion list, before Return.
choose_file() {
  activate_editor
  key alt+l
  wait_until "the file dialog" window_named '^Open$'
  focus "$(window_named '^Open$' | head -n 1)"
  xdotool type --delay 20 "$1"
  key Tab Return
  wait_until "the file dialog to close" no_window_named '^Open$'
}

# The first line, clicked where the template puts the list (dialog units
# 7, 7 to 112, 235 of 383 by 242), then five lines down to 0005.
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove --window "$window" $((WIDTH * 60 / 383)) $((HEIGHT * 12 / 242)) click 1
key Down Down Down Down Down
key Tab Tab Tab                              # list, Load, Save, then Name, its text selected
xdotool type --delay 30 'wine name'
key Tab                                      # Weight, its text selected
xdotool type --delay 30 '77'
key Tab Tab Tab Tab Tab Tab space            # Height, Layer, Gump, Class, Hue, then "Background"
key alt+s                                    # &Save
# Find Tile: a miss says so over the dialog, which stays; F3 repeats the
# search; the dialog shows the text again, selected, and a find closes it.
key ctrl+f
wait_until "the Find Tile dialog" window_named '^Find Tile$'
xdotool type --delay 30 'no such name'
key Return                                   # Find Next, the default
wait_until "the miss message" window_named '^Quarnel$'
key space
wait_until "the miss message to close" no_window_named '^Quarnel$'
window_named '^Find Tile$' >/dev/null
key Escape
wait_until "the Find Tile dialog to close" no_window_named '^Find Tile$'
key F3
wait_until "F3's miss message" window_named '^Quarnel$'
key space
wait_until "F3's message to close" no_window_named '^Quarnel$'
key ctrl+f
wait_until "the Find Tile dialog" window_named '^Find Tile$'
xdotool type --delay 30 'WINE N'             # over the last text: the renamed tile, the selected line, found last
key Return
wait_until "the Find Tile dialog to close on a find" no_window_named '^Find Tile$'
key ctrl+t                                   # the Tile Art window, beside
wait_until "the Tile Art window" window_named '^Tile Art$'
click_inside "$(window_named '^Tile Art$' | head -n 1)" 500 400
key Escape                                   # closes it, and not the editor
wait_until "the Tile Art window to close" no_window_named '^Tile Art$'
activate_editor
key ctrl+p                                   # the Tile Pictures window, under the editor
wait_until "the Tile Pictures window" window_named '^Tile Pictures$'
click_inside "$(window_named '^Tile Pictures$' | head -n 1)" 100 150   # a cell of the grid, selected in the editor
key End Escape                               # the last tile, then the window closes, and not the editor
wait_until "the Tile Pictures window to close" no_window_named '^Tile Pictures$'
# A file that does not exist, typed into the file dialog: the open error.
choose_file "$(windows_path "$game/nosuch.mul")"
wait_until "the message box" window_named '^Quarnel$'
key space                                    # OK
wait_until "the message box to close" no_window_named '^Quarnel$'
activate_editor
key alt+q                                    # &Quit
wait_until "the editor to close" no_window_named '^Quarnel Editor$'

expect_same_files "$work/expected" "$game"
