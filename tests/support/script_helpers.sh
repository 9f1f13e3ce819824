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
