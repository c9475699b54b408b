#!/usr/bin/env bash
# Start-up of the game: starts build/game/tarnhollow several times (under a private 1920 x 1080 Xvfb
# unless DISPLAY is set and --here is given) and reports, per run and as the median, the time from
# the start of the program to the first frame of the main menu on screen (the program reports that
# moment when TARNHOLLOW_START_MARK is set), then its resident and private memory and its thread
# count a second later. Usage: bench/start_time.sh [--here] [runs]
set -euo pipefail
export LC_ALL=C
cd "$(dirname "$0")/.."
here=0
if [ "${1:-}" = "--here" ]; then here=1; shift; fi
runs=${1:-7}
program=$PWD/build/game/tarnhollow
[ -x "$program" ] || { echo "build the game first: $program is missing" >&2; exit 2; }
[[ "$runs" =~ ^[1-9][0-9]*$ ]] || { echo "usage: bench/start_time.sh [--here] [runs]" >&2; exit 2; }

work=$(mktemp -d)
xvfb_pid=""
game_pid=""
cleanup() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

if [ "$here" -eq 0 ]; then
  source bench/private_display.sh
  start_private_display
fi

# Kilobytes of a field of /proc/PID/status or /proc/PID/smaps_rollup.
field_kb() { awk -v f="$2:" '$1 == f { print $2 }' "$1"; }
median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
for run in $(seq "$runs"); do
  : >"$work/err"
  (cd build/game && echo "$EPOCHREALTIME" >"$work/start" && TARNHOLLOW_START_MARK=1 exec ./tarnhollow) \
    >/dev/null 2>"$work/err" &
  game_pid=$!
  mark=""
  for _ in $(seq 1000); do
    mark=$(sed -n 's/^tarnhollow: main menu on screen at //p' "$work/err")
    [ -n "$mark" ] && break
    kill -0 "$game_pid" 2>/dev/null || break
    sleep 0.01
  done
  [ -n "$mark" ] || { echo "run $run: the main menu was not shown" >&2; cat "$work/err" >&2; exit 1; }
  sleep 1
  rss=$(field_kb "/proc/$game_pid/status" VmRSS)
  threads=$(awk '$1 == "Threads:" { print $2 }' "/proc/$game_pid/status")
  private=$(($(field_kb "/proc/$game_pid/smaps_rollup" Private_Clean) + \
    $(field_kb "/proc/$game_pid/smaps_rollup" Private_Dirty)))
  kill "$game_pid" 2>/dev/null || true
  wait "$game_pid" 2>/dev/null || true
  game_pid=""
  seconds=$(awk -v s="$(cat "$work/start")" -v m="$mark" 'BEGIN { printf "%.3f", m - s }')
  printf "run %d: first menu frame after %s s, resident %.1f MB (private %.1f MB), %d threads\n" \
    "$run" "$seconds" "$(awk -v k="$rss" 'BEGIN { print k / 1024 }')" \
    "$(awk -v k="$private" 'BEGIN { print k / 1024 }')" "$threads"
  echo "$seconds $rss $private $threads" >>"$work/results"
done
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
printf "median of %d runs: first menu frame after %.3f s, resident %.1f MB (private %.1f MB), %s threads\n" \
  "$runs" "$(cut -d' ' -f1 "$work/results" | median)" \
  "$(cut -d' ' -f2 "$work/results" | median | awk '{ print $1 / 1024 }')" \
  "$(cut -d' ' -f3 "$work/results" | median | awk '{ print $1 / 1024 }')" \
  "$(cut -d' ' -f4 "$work/results" | median)"
