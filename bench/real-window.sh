# Shared by the real-window measurements (sourced, not run): a virtual X server on a free display,
# the game started on it, its CPU time and memory, and closing it the way a player does.
# The sourcing script defines fail() first.

xvfb_pid=""
vesk_pid=""
window=""

config_home=""

stop_all() {
  if [ -n "$vesk_pid" ] && kill -0 "$vesk_pid" 2>/dev/null; then kill "$vesk_pid" 2>/dev/null || true; fi
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
  if [ -n "$config_home" ]; then rm -rf "$config_home"; fi
}

# start_xvfb WIDTHxHEIGHT: a virtual screen of that size on a display Xvfb picks itself (so runs
# side by side never share one); exports DISPLAY.
start_xvfb() {
  command -v Xvfb >/dev/null || fail "Xvfb is not installed"
  command -v xdotool >/dev/null || fail "xdotool is not installed"
  display_file=$(mktemp)
  Xvfb -displayfd 1 -screen 0 "${1}x24" -nolisten tcp >"$display_file" 2>/dev/null &
  xvfb_pid=$!
  tries=0
  until [ -s "$display_file" ] && grep -q '^[0-9]*$' "$display_file"; do
    tries=$((tries + 1))
    [ "$tries" -le 50 ] || fail "Xvfb did not start"
    kill -0 "$xvfb_pid" 2>/dev/null || fail "Xvfb did not start"
    sleep 0.1
  done
  export DISPLAY=":$(cat "$display_file")"
  rm -f "$display_file"
}

# start_game PROGRAM [OPTIONS...]: starts the game, waits for its window and gives it the keyboard
# focus; the first frames get a moment to settle. The player's settings neither steer the run nor
# learn from it.
start_game() {
  config_home=$(mktemp -d)
  XDG_CONFIG_HOME=$config_home "$@" >/dev/null 2>&1 &
  vesk_pid=$!
  tries=0
  while [ -z "$window" ]; do
    kill -0 "$vesk_pid" 2>/dev/null || fail "the game ended before it showed its window"
    tries=$((tries + 1))
    [ "$tries" -le 100 ] || fail "the game showed no window within 10 s"
    window=$(xdotool search --pid "$vesk_pid" 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] || sleep 0.1
  done
  xdotool windowfocus --sync "$window" 2>/dev/null || true
  sleep 1
}

# The CPU time the game has used, in nanoseconds, summed over its threads.
cpu_ns() {
  cat /proc/"$vesk_pid"/task/*/schedstat | awk '{ sum += $1 } END { printf "%.0f\n", sum }'
}

now_s() { date +%s.%N; }

# resident_kb [VmRSS|VmHWM]: the game's resident memory now, or at its peak.
resident_kb() {
  awk -v field="$1:" '$1 == field { print $2 }' "/proc/$vesk_pid/status"
}

# close_game: Escape (after Enter, which ends a talk) as a player closes the window; a game that
# will not close is stopped. Sets `closed` to how it ended. (Not in a subshell: only the game's
# parent sees it end, a subshell would keep finding it as a zombie.)
close_game() {
  xdotool windowfocus --sync "$window" 2>/dev/null || true
  xdotool key Return Escape 2>/dev/null || true
  tries=0
  while kill -0 "$vesk_pid" 2>/dev/null && [ "$tries" -lt 30 ]; do
    tries=$((tries + 1))
    sleep 0.1
  done
  closed="closed with Escape"
  if kill -0 "$vesk_pid" 2>/dev/null; then
    kill "$vesk_pid" 2>/dev/null || true
    closed="stopped (Escape did not close it)"
  fi
  wait "$vesk_pid" 2>/dev/null || true
  vesk_pid=""
}
