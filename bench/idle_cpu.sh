#!/usr/bin/env bash
# Idle CPU of the running game: starts build/game/tarnhollow (under a private Xvfb unless DISPLAY is
# set and --here is given), waits for start-up, then reads the process's CPU time from /proc over
# 10 seconds. Usage: bench/idle_cpu.sh [--here] [seconds]
set -euo pipefail
cd "$(dirname "$0")/.."
here=0
if [ "${1:-}" = "--here" ]; then here=1; shift; fi
seconds=${1:-10}
program=$PWD/build/game/tarnhollow
[ -x "$program" ] || { echo "build the game first: $program is missing" >&2; exit 2; }

xvfb_pid=""
game_pid=""
cleanup() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT

if [ "$here" -eq 0 ]; then
  source bench/private_display.sh
  start_private_display
fi

(cd build/game && exec ./tarnhollow) >/dev/null 2>&1 &
game_pid=$!
sleep 2
kill -0 "$game_pid" 2>/dev/null || { echo "the game did not start" >&2; exit 1; }

cpu_ticks() { awk '{print $14 + $15}' "/proc/$game_pid/stat"; }
hz=$(getconf CLK_TCK)
before=$(cpu_ticks)
sleep "$seconds"
after=$(cpu_ticks)
awk -v d=$((after - before)) -v hz="$hz" -v s="$seconds" \
  'BEGIN { printf "idle CPU: %.2f %% of one core over %d s (%d ticks of 1/%d s)\n", 100 * d / hz / s, s, d, hz }'
