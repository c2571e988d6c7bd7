#!/usr/bin/env bash
# Runs the exhaustive search and builds of the exact search on the same generated
# equations; every report must be identical to the exhaustive one, and no exact build
# may have given up on any equation.
#   differential.sh GENERATE SEED COUNT MOST_SLOTS EXHAUSTIVE EXACT...
set -u
generate=$1 seed=$2 count=$3 most_slots=$4 exhaustive=$5
shift 5

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$generate" "$seed" "$count" "$most_slots" > "$work/velkora.in" || exit 1
(cd "$work" && "$exhaustive" > exhaustive.out 2> /dev/null)

failed=0
for exact in "$@"; do
  (cd "$work" && "$exact" > exact.out 2> exact.err)
  status=$?
  if ! cmp -s "$work/exhaustive.out" "$work/exact.out"; then
    echo "$exact: the reports differ (- exhaustive, + exact):"
    diff -u "$work/exhaustive.out" "$work/exact.out" | head -n 40
    failed=1
  fi
  if [ -s "$work/exact.err" ] || [ "$status" != 0 ]; then
    echo "$exact wrote notes or exited with $status:"
    head -n 20 "$work/exact.err"
    failed=1
  fi
done
echo "$count equations of up to $most_slots slots compared"
exit $failed
