#!/usr/bin/env bash
# Runs the exhaustive and the exact search on the same generated equations; their
# reports must be identical, and the exact search must not have given up on any.
#   differential.sh GENERATE EXHAUSTIVE EXACT SEED COUNT MOST_SLOTS
set -u
generate=$1 exhaustive=$2 exact=$3 seed=$4 count=$5 most_slots=$6

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$generate" "$seed" "$count" "$most_slots" > "$work/velkora.in" || exit 1
(cd "$work" && "$exhaustive" > exhaustive.out 2> exhaustive.err)
(cd "$work" && "$exact" > exact.out 2> exact.err)
status=$?

failed=0
if ! cmp -s "$work/exhaustive.out" "$work/exact.out"; then
  echo "the reports differ (- exhaustive, + exact); equation lines are numbered from 1:"
  diff -u "$work/exhaustive.out" "$work/exact.out" | head -n 40
  failed=1
fi
if [ -s "$work/exact.err" ] || [ "$status" != 0 ]; then
  echo "the exact search wrote notes or exited with $status:"
  head -n 20 "$work/exact.err"
  failed=1
fi
echo "$count equations of up to $most_slots slots compared"
exit $failed
