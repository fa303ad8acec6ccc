#!/bin/sh
# Idle cost of the game in a real window: starts a virtual X server on a free display, runs the
# game there, lets it sit untouched (its 500 ms cursor timer still ticking) and prints the CPU time
# the game used as a share of one core. The target is at most 0.2 %. (bench/window-cost.sh also
# measures keys, talking and memory.)
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
. "$root/bench/real-window.sh"
trap stop_all EXIT INT TERM

[ -x "$vesk" ] || fail "no game program at $vesk (build it first, or name it)"
start_xvfb 1280x1024
start_game "$vesk"

start_cpu=$(cpu_ns)
start_time=$(now_s)
sleep "$seconds"
end_cpu=$(cpu_ns)
end_time=$(now_s)
kill -0 "$vesk_pid" 2>/dev/null || fail "the game ended while it was being measured"
close_game

awk -v cpu="$((end_cpu - start_cpu))" -v from="$start_time" -v to="$end_time" \
    -v closed="$closed" 'BEGIN {
  wall = to - from
  printf "idle CPU of vesk: %.3f%% of one core (%.4f s CPU over %.1f s; target at most 0.2%%)\n",
         100 * cpu / 1e9 / wall, cpu / 1e9, wall
  printf "window %s\n", closed
}'
