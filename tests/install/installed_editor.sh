#!/usr/bin/env bash
# Installs the Linux build into a temporary DESTDIR and starts the editor as
# the desktop does to open a file with it, with the desktop entry's command
# and the installed programs first on the PATH, on the tiledata.mul of a
# sample game folder that the installed quarnel-tiles writes and exports:
# the file loads, which opens the Tile Art window. A missing file typed
# into the file dialog brings up the open error, whose caption is the
# program file's name, "quarnel"; then the editor quits.
# usage: installed_editor.sh BUILD_DIR
set -euo pipefail
build=$(cd "${1:?usage: installed_editor.sh BUILD_DIR}" && pwd)
work=$(mktemp -d)
cleanup() {
  kill "${editor_pid:-}" "${xvfb_pid:-}" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
run_name="installed editor"
source "$(dirname "$0")/../support/script_helpers.sh"

root=$work/root
DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null
export PATH=$root/usr/bin:$PATH

game=$work/game
quarnel-tiles sample "$game" >/dev/null
quarnel-tiles export "$game/tiledata.mul" --ids 0000-000F >"$work/tiles.csv"
[[ $(wc -l <"$work/tiles.csv") -eq 17 && $(head -c 9 "$work/tiles.csv") == "id,flags," ]] ||
  fail "the installed quarnel-tiles exported no header and 16 tiles"

command=$(sed -n 's/^Exec=//p' "$root/usr/share/applications/org.quarnel.Quarnel.desktop")
[[ -n $command ]] || fail "the desktop entry has no command"
start_x_server
export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
# The desktop runs the command as words, without a shell, the file in place of %f.
read -ra words <<<"$command"
opened=false
for i in "${!words[@]}"; do
  if [[ ${words[i]} == %f ]]; then words[i]=$game/tiledata.mul opened=true; fi
done
$opened || fail "the desktop entry's command takes no file: $command"
(cd "$game" && exec "${words[@]}") &
editor_pid=$!

wait_until "the editor" window_named '^Quarnel Editor$'
wait_until "the Tile Art window the loaded file opens" window_named '^Tile Art$'
focus "$(window_named '^Quarnel Editor$' | head -n 1)"
key alt+l                                    # &Load
wait_until "the file dialog" window_named '^Open$'
focus "$(window_named '^Open$' | head -n 1)"
key ctrl+a
xdotool type --delay 20 'nosuch'
key Return
wait_until "the open error, captioned with the program file's name" window_named '^quarnel$'
key Return                                   # OK
wait_until "the message box to close" no_window_named '^quarnel$'
focus "$(window_named '^Quarnel Editor$' | head -n 1)"
key alt+q                                    # &Quit
wait_until "the editor to close" bash -c "! kill -0 $editor_pid"
echo "$run_name: passed"
