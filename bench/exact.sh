#!/usr/bin/env bash
# Runs generated equations of one shape through the exact search, each alone, and
# tells how many ran into the work budget, how many took over a second, the slowest
# with its equation, the mean time and the peak memory.
#   bench/exact.sh [--count N] [--seed S|FIRST-LAST] [--limit SECONDS] [--row] SHAPE BUILD_DIR
# SHAPE is a preset (groups, chains, operands, mutants, mix, side, big, outer,
# shapemutants) or settings such as 'groups=3 size=8-13 tight=50' (tests/generate.cpp);
# N equations are run at each seed. Each run has its own velkora.in in a fresh directory
# and is timed by /usr/bin/time (Debian package "time") in processor time (user +
# system), which other jobs on a shared machine disturb far less than elapsed time; a
# run still going after --limit seconds (300) of elapsed time is stopped and counted,
# so that a bad build cannot hang the bench. The
# note of a search over its budget is written before the fallback starts, so a stopped
# run is still told. --row prints one row of bench/shapes.sh's table instead.
set -euo pipefail
count=50 seeds=1 limit=300 row=0
while [ $# -gt 0 ]; do
  case $1 in
    --count) count=$2; shift 2 ;;
    --seed) seeds=$2; shift 2 ;;
    --limit) limit=$2; shift 2 ;;
    --row) row=1; shift ;;
    *) break ;;
  esac
done
[ $# -eq 2 ] || {
  echo "usage: bench/exact.sh [--count N] [--seed S|FIRST-LAST] [--limit SECONDS] [--row] SHAPE BUILD_DIR" >&2
  exit 2
}
shape=$1 build=$(cd "$2" && pwd)
[ -x /usr/bin/time ] || { echo "bench/exact.sh: needs /usr/bin/time: apt-get install time" >&2; exit 2; }
for program in "$build/tests/generate" "$build/velkora"; do
  [ -x "$program" ] || { echo "bench/exact.sh: $program is not built" >&2; exit 2; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for seed in $(seq "${seeds%-*}" "${seeds#*-}"); do
  "$build/tests/generate" --shape "$shape" "$seed" "$count" | grep -v '^0$'
done > "$work/all.in"

runs=0 budget=0 slow=0 stopped=0 failed=0 slowest=0 slowest_equation= peak=0 total=0
while IFS= read -r equation; do
  runs=$((runs + 1))
  dir=$work/$runs
  mkdir "$dir"
  printf '%s\n0\n' "$equation" > "$dir/velkora.in"
  status=0
  (cd "$dir" && /usr/bin/time -o time -f '%U %S %M' timeout "$limit" "$build/velkora" > out 2> err) || status=$?
  read -r user system kib < <(tail -n 1 "$dir/time")
  seconds=$(awk -v u="$user" -v s="$system" 'BEGIN { printf "%.2f", u + s }')
  if grep -q "too much work" "$dir/err"; then
    budget=$((budget + 1))
    echo "over the work budget: $equation" >&2
  fi
  if [ "$status" = 124 ]; then
    stopped=$((stopped + 1))
    echo "stopped after $limit s: $equation" >&2
  elif [ "$status" -gt 1 ] || ! grep -q '^Equation #1:$' "$dir/out" ||
       grep -qv '^velkora: ' "$dir/err"; then
    failed=$((failed + 1))
    echo "exit status $status: $equation" >&2
  fi
  awk -v s="$seconds" 'BEGIN { exit !(s > 1) }' && slow=$((slow + 1))
  if awk -v s="$seconds" -v m="$slowest" 'BEGIN { exit !(s > m) }'; then
    slowest=$seconds slowest_equation=$equation
  fi
  total=$(awk -v t="$total" -v s="$seconds" 'BEGIN { print t + s }')
  [ "$kib" -gt "$peak" ] && peak=$kib
  rm -rf "$dir"
done < "$work/all.in"

mean=$(awk -v t="$total" -v n="$runs" 'BEGIN { printf "%.3f", n ? t / n : 0 }')
mib=$(awk -v k="$peak" 'BEGIN { printf "%.1f", k / 1024 }')
if [ "$row" = 1 ]; then
  echo "| \`$shape\` | $runs | $budget | $slow | $slowest s: \`$slowest_equation\` | $mean s | $mib MiB |"
else
  echo "shape $shape, seed $seeds: $runs equations run alone"
  echo "over the work budget: $budget"
  echo "over 1 s: $slow"
  [ "$stopped" -gt 0 ] && echo "stopped after $limit s: $stopped"
  [ "$failed" -gt 0 ] && echo "failed (exit status or no report): $failed"
  echo "slowest: $slowest s: $slowest_equation"
  echo "mean: $mean s"
  echo "peak memory: $mib MiB"
fi
[ "$failed" = 0 ]
