#!/usr/bin/env bash
# Speed-up of tarnhollow-sim --jobs: plays the same batch on the default board with one thread and
# with more, several times each, and prints the best and the median wall time of each and the
# speed-up of the best times. Usage: bench/sim_jobs.sh [games] [runs] [jobs...] (default 4000 5 2)
set -euo pipefail
cd "$(dirname "$0")/.."
games=${1:-4000}
runs=${2:-5}
shift $(( $# < 2 ? $# : 2 ))
jobs=("$@")
[ ${#jobs[@]} -gt 0 ] || jobs=(2)
sim=$PWD/build/bin/tarnhollow-sim
[ -x "$sim" ] || { echo "build the simulator first: $sim is missing" >&2; exit 2; }
cd build/game

# The seconds of every run of one --jobs value, sorted.
times() {
  for _ in $(seq "$runs"); do
    "$sim" --games "$games" --jobs "$1" | awk '/^time /{print $2}'
  done | sort -g
}
median() { awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

echo "$games games on Board1.brd, $runs runs each, $(nproc) cores"
reference=$(times 1)
best1=$(head -n1 <<<"$reference")
printf 'jobs 1: best %.3f s, median %.3f s\n' "$best1" "$(median <<<"$reference")"
for j in "${jobs[@]}"; do
  t=$(times "$j")
  best=$(head -n1 <<<"$t")
  printf 'jobs %s: best %.3f s, median %.3f s, speed-up %.2f\n' "$j" "$best" "$(median <<<"$t")" \
    "$(awk -v a="$best1" -v b="$best" 'BEGIN {print a / b}')"
done
