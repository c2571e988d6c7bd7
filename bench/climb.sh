#!/usr/bin/env bash
# Hill-climbs towards equations that make the exact search work hardest: starts from
# equations of every preset of tests/generate, changes the worst ones found so far
# (generate --mutate: operands, digits, groups, nesting, ")(", the result) and keeps
# the changes that cost the search more processor time (user + sys) or memory, each
# equation run alone under /usr/bin/time (Debian package "time"). A run that writes
# the "too much work" note, or is stopped after --limit seconds, counts as the slowest.
#   bench/climb.sh [--minutes M] [--seed S] [--start N] [--limit SECONDS] [--report FILE]
#                  [--generate PROGRAM] [--from EQUATIONS] BUILD_DIR
# Runs for M minutes (10) from N equations of each preset (3), and from those of the
# file EQUATIONS (one a line, such as the worst of earlier climbs), and writes the
# worst equations found, in time and in memory, with their measurements, to FILE
# (climb-report.txt) after every round, and to standard output at the end. The equations
# come from BUILD_DIR/tests/generate, or from PROGRAM for a build that predates its shapes.
set -euo pipefail
minutes=10 seed=1 start=3 limit=20 report=climb-report.txt generate= from=
while [ $# -gt 0 ]; do
  case $1 in
    --minutes) minutes=$2; shift 2 ;;
    --seed) seed=$2; shift 2 ;;
    --start) start=$2; shift 2 ;;
    --limit) limit=$2; shift 2 ;;
    --report) report=$2; shift 2 ;;
    --generate) generate=$(realpath "$2"); shift 2 ;;
    --from) from=$(realpath "$2"); shift 2 ;;
    *) break ;;
  esac
done
[ $# -eq 1 ] || {
  echo "usage: bench/climb.sh [--minutes M] [--seed S] [--start N] [--limit SECONDS] [--report FILE]" \
       "[--generate PROGRAM] [--from EQUATIONS] BUILD_DIR" >&2
  exit 2
}
build=$(cd "$1" && pwd)
generate=${generate:-$build/tests/generate}
[ -x /usr/bin/time ] || { echo "bench/climb.sh: needs /usr/bin/time: apt-get install time" >&2; exit 2; }
[ -x "$build/velkora" ] || { echo "bench/climb.sh: $build/velkora is not built" >&2; exit 2; }
[ -z "$from" ] || [ -r "$from" ] || { echo "bench/climb.sh: cannot read $from" >&2; exit 2; }
"$generate" --shape side 1 1 > /dev/null 2>&1 ||
  { echo "bench/climb.sh: $generate makes no shapes: give --generate PROGRAM" >&2; exit 2; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
touch "$work/seen"

# Appends "SCORE SECONDS KIB NOTE<TAB>EQUATION" to the results for every new equation
# on standard input; SCORE is the processor time, plus 1000 with the note or when stopped.
measure() {
  local equation status seconds kib note
  while IFS= read -r equation; do
    grep -qxF -- "$equation" "$work/seen" && continue
    printf '%s\n' "$equation" >> "$work/seen"
    printf '%s\n0\n' "$equation" > "$work/velkora.in"
    status=0
    (cd "$work" && /usr/bin/time -o time -f '%U %S %M' timeout "$limit" "$build/velkora" > out 2> err) || status=$?
    read -r user sys kib < <(tail -n 1 "$work/time")
    note=-
    grep -q "too much work" "$work/err" && note=budget
    [ "$status" = 124 ] && note=stopped
    seconds=$(awk -v u="$user" -v s="$sys" 'BEGIN { printf "%.2f", u + s }')
    printf '%s %s %s %s\t%s\n' "$(awk -v s="$seconds" -v n="$note" 'BEGIN { printf "%.2f", s + (n != "-") * 1000 }')" \
      "$seconds" "$kib" "$note" "$equation" >> "$work/results"
  done
}

# The worst 20 in time and the worst 10 in memory are the parents of the next round.
# (sed, not head, takes the first lines: it reads to the end, so that sort is never cut
# off, which pipefail would take for a failure.)
parents() {
  { sort -t' ' -k1,1gr "$work/results" | sed -n 1,20p; sort -t' ' -k3,3nr "$work/results" | sed -n 1,10p; } |
    cut -f2 | sort -u
}

write_report() {
  {
    echo "climb on $build, seed $seed: $(wc -l < "$work/results") equations run, $(( ($(date +%s) - began) / 60 )) min"
    echo
    echo "worst in processor time (user + sys; note: budget = \"too much work\", stopped = over $limit s):"
    echo "seconds  KiB  note  equation"
    sort -t' ' -k1,1gr "$work/results" | sed -n 1,10p | cut -d' ' -f2-
    echo
    echo "worst in peak memory:"
    echo "seconds  KiB  note  equation"
    sort -t' ' -k3,3nr "$work/results" | sed -n 1,10p | cut -d' ' -f2-
  } > "$report.new"
  mv "$report.new" "$report"
}

began=$(date +%s)
deadline=$((began + minutes * 60))
touch "$work/results"
presets=(groups chains operands mutants mix side big outer shapemutants)
for i in "${!presets[@]}"; do
  "$generate" --shape "${presets[i]}" "$((seed * 100 + i))" "$start" | grep -v '^0$' | measure
done
if [ -n "$from" ]; then
  { grep -v -e '^0$' -e '^$' "$from" || true; } | measure
fi
write_report
round=0
while [ "$(date +%s)" -lt "$deadline" ]; do
  round=$((round + 1))
  # Each parent is changed twice, by 1 or 2 changes each time.
  parents | sed 'p' | "$generate" --mutate "$((seed * 100000 + round))" 'mutate=1-2' | shuf -n 12 \
    --random-source=<(yes "$round") | measure
  write_report
done
# Timings on a shared machine are noisy, so the worst ten in time are run three more
# times, and the median of the four is reported beside them.
{
  echo
  echo "worst in processor time again, median of 4 runs:"
  echo "median  seconds  KiB  note  equation"
  sort -t' ' -k1,1gr "$work/results" | sed -n 1,10p | while IFS= read -r line; do
    equation=${line#*$'\t'}
    printf '%s\n0\n' "$equation" > "$work/velkora.in"
    times=("$(echo "$line" | cut -d' ' -f2)")
    for again in 1 2 3; do
      (cd "$work" && /usr/bin/time -o time -f '%U %S' timeout "$limit" "$build/velkora" > /dev/null 2>&1) || true
      times+=("$(tail -n 1 "$work/time" | awk '{ printf "%.2f", $1 + $2 }')")
    done
    median=$(printf '%s\n' "${times[@]}" | sort -g | awk '{ v[NR] = $1 } END { printf "%.2f", (v[2] + v[3]) / 2 }')
    echo "$median $(echo "$line" | cut -d' ' -f2-)"
  done
} >> "$report"
cat "$report"
