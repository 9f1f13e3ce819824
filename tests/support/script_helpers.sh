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
