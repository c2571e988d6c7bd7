#!/usr/bin/env bash
# Runs every preset shape of tests/generate through the exact search at each seed, each
# equation alone (bench/exact.sh), and prints one table row per preset: equations, how
# many ran into the work budget (the "too much work" note), how many took over 1 s, the
# slowest with its equation, the mean time per equation and the peak memory.
#   bench/shapes.sh [--count N] [--seeds FIRST-LAST] [--limit SECONDS] BUILD_DIR
# N equations (20) per preset and seed (1-3); a run is stopped after --limit seconds
# (60), so the whole takes at most presets x seeds x N x limit, and far less in practice.
set -euo pipefail
count=20 seeds=1-3 limit=60
while [ $# -gt 0 ]; do
  case $1 in
    --count) count=$2; shift 2 ;;
    --seeds) seeds=$2; shift 2 ;;
    --limit) limit=$2; shift 2 ;;
    *) break ;;
  esac
done
[ $# -eq 1 ] || { echo "usage: bench/shapes.sh [--count N] [--seeds FIRST-LAST] [--limit SECONDS] BUILD_DIR" >&2; exit 2; }
echo "seeds $seeds, $count equations per preset and seed, each run alone"
echo
echo "| preset | equations | over the budget | over 1 s | slowest | mean | peak memory |"
echo "|---|---|---|---|---|---|---|"
status=0
for preset in groups chains operands mutants mix side big outer shapemutants; do
  "$(dirname "$0")/exact.sh" --row --count "$count" --seed "$seeds" --limit "$limit" "$preset" "$1" || status=1
done
exit $status
