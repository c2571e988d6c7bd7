#!/usr/bin/env bash
# Runs generated equations of one family through the exact search, each alone, and
# tells how many ran into the work budget, how many took over a second, the slowest
# with its equation, and the peak memory.
#   bench/exact.sh [--count N] [--seed S] [--limit SECONDS] FAMILY BUILD_DIR
# FAMILY is one of groups, chains, operands, mutants, mix (see tests/generate.cpp).
# Each run has its own velkora.in in a fresh directory and is timed by /usr/bin/time
# (Debian package "time"); a run still going after --limit seconds (300) is stopped
# and counted, so that a bad build cannot hang the bench. The note of a search over
# its budget is written before the fallback starts, so a stopped run is still told.
set -euo pipefail
count=50 seed=1 limit=300
while [ $# -gt 0 ]; do
  case $1 in
    --count) count=$2; shift 2 ;;
    --seed) seed=$2; shift 2 ;;
    --limit) limit=$2; shift 2 ;;
    *) break ;;
  esac
done
[ $# -eq 2 ] || {
  echo "usage: bench/exact.sh [--count N] [--seed S] [--limit SECONDS] FAMILY BUILD_DIR" >&2
  exit 2
}
family=$1 build=$(cd "$2" && pwd)
[ -x /usr/bin/time ] || { echo "bench/exact.sh: needs /usr/bin/time: apt-get install time" >&2; exit 2; }
for program in "$build/tests/generate" "$build/velkora"; do
  [ -x "$program" ] || { echo "bench/exact.sh: $program is not built" >&2; exit 2; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$build/tests/generate" --family "$family" "$seed" "$count" > "$work/all.in"

runs=0 budget=0 slow=0 stopped=0 failed=0 slowest=0 slowest_equation= peak=0
while IFS= read -r equation; do
  [ "$equation" = 0 ] && break
  runs=$((runs + 1))
  dir=$work/$runs
  mkdir "$dir"
  printf '%s\n0\n' "$equation" > "$dir/velkora.in"
  status=0
  (cd "$dir" && /usr/bin/time -o time -f '%e %M' timeout "$limit" "$build/velkora" > out 2> err) || status=$?
  read -r seconds kib < <(tail -n 1 "$dir/time")
  grep -q "too much work" "$dir/err" && budget=$((budget + 1))
  if [ "$status" = 124 ]; then
    stopped=$((stopped + 1))
    echo "stopped after $limit s: $equation"
  elif [ "$status" -gt 1 ] || ! grep -q '^Equation #1:$' "$dir/out" ||
       grep -qv '^velkora: ' "$dir/err"; then
    failed=$((failed + 1))
    echo "exit status $status: $equation"
  fi
  awk -v s="$seconds" 'BEGIN { exit !(s > 1) }' && slow=$((slow + 1))
  if awk -v s="$seconds" -v m="$slowest" 'BEGIN { exit !(s > m) }'; then
    slowest=$seconds slowest_equation=$equation
  fi
  [ "$kib" -gt "$peak" ] && peak=$kib
done < "$work/all.in"

echo "family $family, seed $seed: $runs equations run alone"
echo "over the work budget: $budget"
echo "over 1 s: $slow"
[ "$stopped" -gt 0 ] && echo "stopped after $limit s: $stopped"
[ "$failed" -gt 0 ] && echo "failed (exit status or no report): $failed"
echo "slowest: $slowest s: $slowest_equation"
echo "peak memory: $(awk -v k="$peak" 'BEGIN { printf "%.1f", k / 1024 }') MiB"
[ "$failed" = 0 ]
