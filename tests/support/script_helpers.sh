# Shared by the scripted runs; source it after setting run_name.

# Ends the run with a message.
fail() { echo "$run_name: $*" >&2; exit 1; }

# Runs the command until it succeeds; fails the run after a minute.
wait_until() {
  local what=$1 deadline=$((SECONDS + 60))
  shift
  until "$@" >/dev/null 2>&1; do
    ((SECONDS < deadline)) || fail "gave up waiting for $what"
    sleep 0.05
  done
}

# Compares the game folder's two files with the predicted ones; fails the
# run, after naming each file that differs, unless both match byte for byte.
expect_same_files() {
  local expected=$1 game=$2 file status=0
  for file in tiledata.mul verdata.mul; do
    if ! cmp "$expected/$file" "$game/$file"; then
      echo "$run_name: $file is not what the edits and the save must leave" >&2
      status=1
    fi
  done
  ((status == 0)) || exit 1
  echo "$run_name: passed; both files are byte for byte as predicted"
}

# Starts an X server of the run's own (Xvfb) and points DISPLAY at it; the
# caller's EXIT trap ends it through $xvfb_pid.
start_x_server() {
  local display=:$((100 + RANDOM % 400))
  Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  wait_until "the X server" xdpyinfo -display "$display"
  export DISPLAY=$display
}

window_named() { xdotool search --onlyvisible --name "$1"; }
no_window_named() { ! xdotool search --onlyvisible --name "$1"; }
# A window just found may not take the focus yet: ask until it does.
focus() { wait_until "the focus on $1" xdotool windowfocus --sync "$1"; }
key() { xdotool key --clearmodifiers "$@"; }
