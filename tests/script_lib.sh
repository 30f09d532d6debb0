# Shared by the scripts that drive the built game: counted checks and a private X server.
# Sourced, never run: the scripts keep their own clean-up, which stops $xvfb_pid.

failures=0
checks=0

check() { # description, then a command that must succeed
  local what=$1
  shift
  checks=$((checks + 1))
  if "$@"; then
    echo "ok: $what"
  else
    echo "FAILED: $what"
    failures=$((failures + 1))
  fi
}

# A private X server on the first free display, which it names once it is ready; sets xvfb_pid and
# DISPLAY. Usage: start_xvfb DIR SCREEN (e.g. 800x600x24); fails if the server did not come up.
# -noreset: an X server resets when its last client leaves, and a game connecting during the reset
# (between one xdotool call and the next) can lose its window while it goes on running.
start_xvfb() {
  Xvfb -displayfd 3 -screen 0 "$2" -nolisten tcp -noreset 3>"$1/display" 2>"$1/xvfb.log" &
  xvfb_pid=$!
  for _ in $(seq 100); do
    [ -s "$1/display" ] && break
    sleep 0.1
  done
  [ -s "$1/display" ] || return 1
  export DISPLAY=":$(head -n 1 "$1/display")"
}
