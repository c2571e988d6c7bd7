#!/usr/bin/env bash
# Runs one end-to-end case in a fresh directory and compares what the program did.
#   run-case.sh PROGRAM INPUT_NAME CASE [--stdout-full]
# CASE.in, when present, is placed there as INPUT_NAME. Standard output must equal CASE.out,
# standard error CASE.err (empty when absent), and the exit status CASE.status (0 when absent).
# With --stdout-full, standard output goes to /dev/full and is not compared.
# CASE.both, when present, must equal what a second run writes with both streams going to
# one file, as on a terminal: it pins down how the notes and the report lines interleave.
# A run is stopped after CASE_TIME_LIMIT seconds (120 when unset). CASE_RUNNER, when set,
# is a command that runs the program (valgrind and its options, say). CASE.kib, when
# present, bounds the run's peak resident memory in KiB, as /usr/bin/time (Debian
# package "time") measures it.
set -u
program=$1 input_name=$2 case=$3 mode=${4:-}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/run"
[ -e "$case.in" ] && cp "$case.in" "$work/run/$input_name"

out=$work/out
[ "$mode" = --stdout-full ] && out=/dev/full
measure=()
[ -e "$case.kib" ] && measure=(/usr/bin/time -o "$work/memory" -f %M)
(cd "$work/run" && exec timeout "${CASE_TIME_LIMIT:-120}" "${measure[@]}" ${CASE_RUNNER:-} "$program" >"$out" 2>"$work/err" </dev/null)
status=$?

failed=0
if [ "$mode" != --stdout-full ] && ! cmp -s "$case.out" "$work/out"; then
  echo "standard output differs from $case.out (- expected, + actual):"
  diff -u "$case.out" "$work/out" | head -n 60
  failed=1
fi
expected_err=/dev/null
[ -e "$case.err" ] && expected_err=$case.err
if ! cmp -s "$expected_err" "$work/err"; then
  echo "standard error differs (- expected, + actual):"
  diff -u "$expected_err" "$work/err" | head -n 30
  failed=1
fi
expected_status=0
[ -e "$case.status" ] && expected_status=$(cat "$case.status")
if [ "$status" != "$expected_status" ]; then
  echo "exit status $status, expected $expected_status"
  failed=1
fi
if [ -e "$case.kib" ]; then
  peak=$(tail -n 1 "$work/memory" 2>/dev/null)
  if ! [ "$peak" -le "$(cat "$case.kib")" ] 2>/dev/null; then
    echo "peak memory ${peak:-unknown} KiB, more than $(cat "$case.kib") KiB"
    failed=1
  fi
fi
if [ -e "$case.both" ]; then
  (cd "$work/run" && exec timeout "${CASE_TIME_LIMIT:-120}" ${CASE_RUNNER:-} "$program" >"$work/both" 2>&1 </dev/null)
  if ! cmp -s "$case.both" "$work/both"; then
    echo "standard output and error together differ from $case.both (- expected, + actual):"
    diff -u "$case.both" "$work/both" | head -n 60
    failed=1
  fi
fi
exit $failed
