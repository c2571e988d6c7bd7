#!/usr/bin/env bash
# The board solver's flood must make exactly the stores and Expand calls of a walk
# through every cell, in the same order, not only reach the same counts. This builds
# the solver with a trace of both hashed in order (a build for checking, not the
# program), and either leaves it as BINARY, or runs it on CASE.in and compares the
# trace with CASE.trace (recorded from the plain transcription of the algorithms).
#   flood-trace.sh build GAME_CPP BINARY
#   flood-trace.sh check GAME_CPP CASE
# Only calls that walk are counted: a call on an occupied cell other than the start
# returns at once, and a version may leave it out. So the call's trace goes on the
# line of `void Expand(int a, int b)` that begins `    const int Count =`, which
# comes after any such early return; the store's trace goes after
# the line holding `Value[x][y] = Count;` or ending in
# `// the store: cell (x, y) takes Count`. Each must be there once.
# CXX names the compiler (g++ when unset).
set -euo pipefail
mode=$1 source=$2 target=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cat > "$work/trace.h" <<'H'
#include <cstdint>
#include <cstdio>
struct Trace {
    std::uint64_t Hash = 1469598103934665603u, Events = 0;
    void Add(std::uint64_t Word) { Hash = (Hash ^ Word) * 1099511628211u; ++Events; }
    ~Trace() { std::fprintf(stderr, "trace %016llx %llu\n", (unsigned long long)Hash, (unsigned long long)Events); }
} TraceSum;
inline void TraceCall(int a, int b) { TraceSum.Add(0x10000000u + a * 80u + b); }
inline void TraceStore(int x, int y, int v) { TraceSum.Add(((std::uint64_t)(x * 80u + y) << 32) | (std::uint32_t)v); }
H
store='Value\[x\]\[y\] = Count;|// the store: cell \(x, y\) takes Count$'
calls=$(sed -n '/^void Expand(int a, int b)$/,/^}$/p' "$source" | grep -c '^    const int Count = ' || true)
stores=$(grep -cE "$store" "$source" || true)
[ "$calls" = 1 ] && [ "$stores" = 1 ] || { echo "$source: the trace's places are not there once each" >&2; exit 2; }
sed -E -e '/^void Expand\(int a, int b\)$/,/^}$/s/^    const int Count = .*$/& TraceCall(a, b);/' \
    -e "\\#$store#a TraceStore(x, y, Count);" "$source" > "$work/traced.cpp"
binary=$target
[ "$mode" = check ] && binary=$work/traced
"${CXX:-g++}" -std=c++20 -O2 -include "$work/trace.h" -o "$binary" "$work/traced.cpp"
[ "$mode" = check ] || exit 0

mkdir "$work/run"
cp "$target.in" "$work/run/game.in"
(cd "$work/run" && "$binary" > /dev/null 2> "$work/trace") || true
tail -n 1 "$work/trace" > "$work/last"
if ! cmp -s "$target.trace" "$work/last"; then
  echo "the flood's stores and calls differ from the plain walk's: $(cat "$work/last"), expected $(cat "$target.trace")"
  exit 1
fi
