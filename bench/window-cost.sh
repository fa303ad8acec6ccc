#!/bin/sh
# What the real window costs the game: starts a virtual X server, runs the game there at a given
# scale and prints the game's own CPU time for a walking key (a few hundred arrow keys sent through
# xdotool), its idle CPU while walking and while talking (the cursor blinking), and its resident
# memory. Targets: a key at most 0.3 ms at scale 1 and 1.5 ms at scale 3, idle at most 0.2 % of a
# core, resident memory at most 40 MB.
#
#   bench/window-cost.sh [scale] [path/to/vesk] [keys] [idle seconds]   (defaults: 1, build/vesk, 300, 10)
#   VESK_RENDERER=... bench/window-cost.sh 3      (the environment reaches the game)
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
scale=${1:-1}
vesk=${2:-$root/build/vesk}
keys=${3:-300}
idle_seconds=${4:-10}

fail() {
  echo "window-cost: $*" >&2
  exit 1
}
. "$root/bench/real-window.sh"
trap stop_all EXIT INT TERM

[ -x "$vesk" ] || fail "no game program at $vesk (build it first, or name it)"
# Large enough for the window at scale 3 with room to spare.
start_xvfb 2560x1600
start_game "$vesk" --scale "$scale" --data "$root/data"

# idle_share SECONDS: the game's CPU over that long untouched, as a percentage of one core.
idle_share() {
  from_cpu=$(cpu_ns)
  from=$(now_s)
  sleep "$1"
  to_cpu=$(cpu_ns)
  to=$(now_s)
  awk -v cpu="$((to_cpu - from_cpu))" -v from="$from" -v to="$to" \
      'BEGIN { printf "%.3f", 100 * cpu / 1e9 / (to - from) }'
}

walking=$(idle_share "$idle_seconds")

# Walking keys: a step right and back, again and again, 10 ms apart, so every key walks and none
# writes to the event log. The time after the last key lets the game finish what is waiting.
pairs=$((keys / 2))
sequence=$(yes "Right Left" | head -n "$pairs" | tr '\n' ' ')
from_cpu=$(cpu_ns)
from=$(now_s)
# shellcheck disable=SC2086
xdotool key --delay 10 $sequence
sleep 1
to_cpu=$(cpu_ns)
to=$(now_s)
kill -0 "$vesk_pid" 2>/dev/null || fail "the game ended while it was being measured"
per_key=$(awk -v cpu="$((to_cpu - from_cpu))" -v n="$((pairs * 2))" -v walk="$walking" \
              -v from="$from" -v to="$to" \
              'BEGIN { idle = walk / 100 * (to - from) * 1e9; printf "%.3f", (cpu - idle) / n / 1e6 }')

# Up to the king (22 steps north, the 23rd bumps into him) opens a talk.
xdotool key --delay 20 $(yes Up | head -n 23 | tr '\n' ' ')
sleep 1
talking=$(idle_share "$idle_seconds")

rss=$(resident_kb VmRSS)
peak=$(resident_kb VmHWM)
kill -0 "$vesk_pid" 2>/dev/null || fail "the game ended while it was being measured"
close_game

echo "scale $scale: $((pairs * 2)) walking keys, ${idle_seconds} s idle each"
echo "  CPU a walking key:     $per_key ms"
echo "  idle CPU, walking:     $walking % of one core"
echo "  idle CPU, talking:     $talking % of one core"
echo "  resident memory:       $((rss / 1024)) MB (peak $((peak / 1024)) MB)"
echo "  window $closed"
