#!/bin/sh
# Idle cost of the game in a real window: starts a virtual X server on a free display, runs the
# game there, lets it sit untouched (its 500 ms cursor timer still ticking) and prints the CPU time
# the game used as a share of one core. The target is under 1%.
#
#   bench/idle-cost.sh [path/to/vesk] [seconds]     (defaults: build/vesk, 10)
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
vesk=${1:-$root/build/vesk}
seconds=${2:-10}

fail() {
  echo "idle-cost: $*" >&2
  exit 1
}

[ -x "$vesk" ] || fail "no game program at $vesk (build it first, or name it)"
command -v Xvfb >/dev/null || fail "Xvfb is not installed"
command -v xdotool >/dev/null || fail "xdotool is not installed"

# The first display number with neither a lock file nor a socket.
display=99
while [ -e "/tmp/.X$display-lock" ] || [ -e "/tmp/.X11-unix/X$display" ]; do
  display=$((display + 1))
done

xvfb_pid=""
vesk_pid=""
cleanup() {
  if [ -n "$vesk_pid" ] && kill -0 "$vesk_pid" 2>/dev/null; then kill "$vesk_pid" 2>/dev/null || true; fi
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
}
trap cleanup EXIT INT TERM

Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
tries=0
until [ -e "/tmp/.X11-unix/X$display" ]; do
  tries=$((tries + 1))
  [ "$tries" -le 50 ] || fail "Xvfb did not start on display :$display"
  kill -0 "$xvfb_pid" 2>/dev/null || fail "Xvfb did not start on display :$display"
  sleep 0.1
done
export DISPLAY=":$display"

"$vesk" >/dev/null 2>&1 &
vesk_pid=$!

# Wait for the game's window, then give the first frames a moment to settle.
window=""
tries=0
while [ -z "$window" ]; do
  kill -0 "$vesk_pid" 2>/dev/null || fail "the game ended before it showed its window"
  tries=$((tries + 1))
  [ "$tries" -le 100 ] || fail "the game showed no window within 10 s"
  window=$(xdotool search --pid "$vesk_pid" 2>/dev/null | head -n 1 || true)
  [ -n "$window" ] || sleep 0.1
done
sleep 1

ticks_per_second=$(getconf CLK_TCK)
# utime + stime in clock ticks: fields 14 and 15 of /proc/PID/stat, counted after the
# parenthesised program name (which may hold spaces).
cpu_ticks() {
  sed 's/^.*) //' "/proc/$vesk_pid/stat" | awk '{ print $12 + $13 }'
}
start_ticks=$(cpu_ticks)
start_time=$(date +%s.%N)
sleep "$seconds"
end_ticks=$(cpu_ticks)
end_time=$(date +%s.%N)
kill -0 "$vesk_pid" 2>/dev/null || fail "the game ended while it was being measured"

# Close the window the way a player does; a game that will not close is stopped.
xdotool key --window "$window" Escape 2>/dev/null || true
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

awk -v ticks="$((end_ticks - start_ticks))" -v hz="$ticks_per_second" \
    -v from="$start_time" -v to="$end_time" -v closed="$closed" 'BEGIN {
  wall = to - from
  share = 100 * ticks / hz / wall
  printf "idle CPU of vesk: %.2f%% of one core (%.2f s CPU over %.1f s; target under 1%%)\n",
         share, ticks / hz, wall
  printf "window %s\n", closed
}'
