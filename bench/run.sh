#!/usr/bin/env bash
# Times the worst cases of both programs, and compares builds when given two.
#   bench/run.sh [--runs N] [--long] [--densities] [--instructions] BUILD_DIR [OTHER_BUILD_DIR...]
# The cases: a query from one corner of the margin to the other on an empty 78 x 78
# board, where the flood does the most work; 100,000 queries on a small board, where
# the flood's bookkeeping weighs most against its walks; boards with obstacles, as
# most boards are: 200 random queries on a 30 x 30 board a quarter occupied, and 5 on
# a 78 x 78 board 15 % occupied (--densities adds 78 x 78 boards 5, 25 and 35 %
# occupied); an equation with 15 slots and no answer; one with 37 slots answered by
# the exact search; with --long, one with 19 slots and no answer (minutes a run).
# The builds take turns run by run, and each case's median wall-clock time is
# printed. --instructions adds callgrind's instruction counts, which do not vary
# from run to run, for the boards and for a 12-slot equation.
set -euo pipefail
runs=5 long=0 densities=0 instructions=0
while [ $# -gt 0 ]; do
  case $1 in
    --runs) runs=$2; shift 2 ;;
    --long) long=1; shift ;;
    --densities) densities=1; shift ;;
    --instructions) instructions=1; shift ;;
    *) break ;;
  esac
done
[ $# -ge 1 ] || { echo "usage: bench/run.sh [--runs N] [--long] [--densities] [--instructions] BUILD_DIR [OTHER_BUILD_DIR...]" >&2; exit 2; }
builds=()
for dir in "$@"; do builds+=("$(cd "$dir" && pwd)"); done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Operands that are all multiples of 4 never make an odd result, whatever the operators,
# so the whole search runs; each text is 79 characters, the longest there can be.
equation() {  # equation SLOTS FIRST
  local operands=() i
  for ((i = 0; i <= $1; i++)); do operands+=($(( $2 + 4 * i ))); done
  printf '7 = %s\n0\n' "${operands[*]}"
}
. "$(dirname "$0")/boards.sh"
mkdir "$work/board" "$work/small" "$work/slots15" "$work/slots19" "$work/slots12" "$work/slots37" \
      "$work/quarter" "$work/d15" "$work/d5" "$work/d25" "$work/d35"
{ echo "78 78"; for ((i = 0; i < 78; i++)); do echo; done; echo "0 0 79 79"; echo "0 0 0 0"; echo "0 0"; } \
  > "$work/board/game.in"
{ printf '5 4\n X X\nXX  X\n\n  X\n'
  awk 'BEGIN { for (i = 1; n < 100000; i++) { q = (i % 7) " " (i % 6) " " (i * 3 % 7) " " (i * 5 % 6)
                                                if (q != "0 0 0 0") { print q; n++ } } }'
  printf '0 0 0 0\n0 0\n'; } > "$work/small/game.in"
board 30 30 25 200 7 > "$work/quarter/game.in"
for d in 5 15 25 35; do board 78 78 $d 5 7 > "$work/d$d/game.in"; done
equation 15 1000 > "$work/slots15/velkora.in"
equation 19 100 > "$work/slots19/velkora.in"
equation 12 10000 > "$work/slots12/velkora.in"
# 37 slots for the exact search; the lowest answer lies far beyond 3^19.
printf '2129927873 = 0 9 5 8 1 4 6 6 6 4 5 1 4 3 0 3 7 4 8 1 9 1 0 3 1 4 2 6 2 2 3 3 8 1 3 2 4 4\n0\n' \
  > "$work/slots37/velkora.in"

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# Wall-clock time, and the processor time of the run (user and system), which other
# jobs on a shared machine disturb less; the first build's medians are compared with
# each other build's.
time_case() {  # time_case NAME PROGRAM CASE_DIR RUNS [BUILDS]
  local name=$1 program=$2 dir=$3 n=$4 round b real user sys wall cpu first_wall first_cpu
  local -a which=("${!builds[@]}")
  [ $# -ge 5 ] && which=($5)
  declare -A walls=() cpus=()
  for ((round = 0; round < n; round++)); do
    for b in "${which[@]}"; do
      { time (cd "$work/$dir" && "${builds[$b]}/$program" > "$work/out.$b"); } 2> "$work/time"
      read -r real user sys < "$work/time"
      walls[$b]+="$(awk -v t="$real" 'BEGIN { printf "%d", t * 1000 }') "
      cpus[$b]+="$(awk -v u="$user" -v s="$sys" 'BEGIN { printf "%d", (u + s) * 1000 }') "
    done
  done
  for b in "${which[@]}"; do
    cmp -s "$work/out.0" "$work/out.$b" || { echo "$name: the builds' reports differ" >&2; exit 1; }
    wall=$(printf '%s\n' ${walls[$b]} | median) cpu=$(printf '%s\n' ${cpus[$b]} | median)
    [ "$b" = "${which[0]}" ] && first_wall=$wall first_cpu=$cpu
    printf '%-28s %-36s median %6d ms, processor %6d ms of %d runs' "$name" "${builds[$b]}" "$wall" "$cpu" "$n"
    [ "$b" != "${which[0]}" ] && awk -v w="$first_wall" -v c="$first_cpu" -v W="$wall" -v C="$cpu" \
      'BEGIN { printf "; first build / this: %.2f, processor %.2f", w / W, c / C }'
    echo
  done
}

TIMEFORMAT='%3R %3U %3S'
echo "$(nproc) cores; $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')"
time_case "board 78x78, margin corners" game board "$runs"
time_case "board 5x4, 100000 pairs" game small "$runs"
time_case "board 30x30 25%, 200 pairs" game quarter "$runs"
time_case "board 78x78 15%, 5 pairs" game d15 "$runs"
if [ "$densities" = 1 ]; then
  for d in 5 25 35; do time_case "board 78x78 $d%, 5 pairs" game d$d "$runs"; done
fi
time_case "equation, 15 slots" velkora slots15 "$runs"
# The first build only: a build without the exact search spends minutes on it.
time_case "equation, 37 slots, exact" velkora slots37 "$runs" 0
[ "$long" = 1 ] && time_case "equation, 19 slots" velkora slots19 "$runs"

if [ "$instructions" = 1 ]; then
  for b in "${!builds[@]}"; do
    for c in "game board" "game small" "game quarter" "game d15" "velkora slots12"; do
      set -- $c
      count=$(cd "$work/$2" && valgrind --tool=callgrind --callgrind-out-file=/dev/null \
                "${builds[$b]}/$1" 2>&1 >/dev/null | awk '/refs:/ { gsub(",", "", $NF); print $NF }')
      printf '%-28s %-40s %15s instructions\n' "$1 $2" "${builds[$b]}" "$count"
    done
  done
fi
