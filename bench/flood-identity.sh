#!/usr/bin/env bash
# Proves that two versions of the board solver's flood do the same work: each version's
# source gets a trace of every Expand call that walks and every count stored by the
# flood, hashed in order, and both must print the same report and the same trace on the
# worst case, on the benchmark's boards with obstacles (bench/run.sh) and on random
# boards of every kind. The traced builds, made by tests/flood-trace.sh (whose anchors
# both files must hold), are for checking only and are not part of the program.
#   bench/flood-identity.sh [--boards N] [--seed S] OLD_GAME_CPP NEW_GAME_CPP
set -euo pipefail
boards=300 seed=1
while [ $# -gt 0 ]; do
  case $1 in
    --boards) boards=$2; shift 2 ;;
    --seed) seed=$2; shift 2 ;;
    *) break ;;
  esac
done
[ $# -eq 2 ] || { echo "usage: bench/flood-identity.sh [--boards N] [--seed S] OLD.cpp NEW.cpp" >&2; exit 2; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

here=$(dirname "$0")
"$here/../tests/flood-trace.sh" build "$1" "$work/old"
"$here/../tests/flood-trace.sh" build "$2" "$work/new"

# Random boards of every kind: empty, sparse (up to 5 %), about a quarter (15 to 35 %)
# and dense (35 to 60 %) occupied, or anything up to 60 %; sizes 0 to 78, a third of
# them at most 8; rows up to 74 characters (some longer than the board). Queries name
# cells on the board, on its margin, on occupied cells, and beyond the margin inside
# the grid, for the start (so that a flood reaches past the margin) as for the
# destination (which such a flood may or may not reach). Boards of different sizes
# follow each other, so that what one query leaves behind meets the next.
awk -v boards="$boards" -v seed="$seed" 'BEGIN {
  srand(seed)
  for (n = 0; n < boards; n++) {
    big = (rand() < 0.67) ? 79 : 9
    w = int(rand() * big); h = int(rand() * big)
    if (w == 0 && h == 0) w = 1  # a header of two zeros would end the file
    kind = rand()
    if (kind < 0.15) d = 0
    else if (kind < 0.35) d = rand() * 0.05
    else if (kind < 0.6) d = 0.15 + rand() * 0.2
    else if (kind < 0.8) d = 0.35 + rand() * 0.25
    else d = rand() * 0.6
    print w, h
    for (y = 1; y <= h; y++) {
      len = (rand() < 0.2) ? w + int(rand() * 8) : w
      if (len > 74) len = 74
      line = ""
      for (x = 1; x <= len; x++) line = line ((rand() < d) ? "X" : (rand() < 0.5 ? " " : "."))
      print line
    }
    for (q = 0; q < 5; q++) {
      for (i = 0; i < 4; i++) {
        r = rand(); lim = (i % 2 == 0) ? w : h
        if (r < 0.2) c[i] = (rand() < 0.5) ? 0 : lim + 1
        else if (r < 0.35 && lim + 2 <= 79) c[i] = lim + 2 + int(rand() * (78 - lim))
        else c[i] = 1 + int(rand() * (lim > 0 ? lim : 1))
      }
      if (c[0] + c[1] + c[2] + c[3] == 0) c[0] = 1
      print c[0], c[1], c[2], c[3]
    }
    print "0 0 0 0"
  }
  print "0 0"
}' > "$work/random.in"
{ echo "78 78"; for ((i = 0; i < 78; i++)); do echo; done; echo "0 0 79 79"; echo "0 0 0 0"; echo "0 0"; } > "$work/worst.in"
# The benchmark's boards with obstacles.
. "$here/boards.sh"
board 30 30 25 200 7 > "$work/quarter.in"
board 78 78 15 5 7 > "$work/d15.in"

status=0
for input in worst quarter d15 random; do
  mkdir -p "$work/$input"
  cp "$work/$input.in" "$work/$input/game.in"
  for version in old new; do
    (cd "$work/$input" && "$work/$version" > "$work/$input.$version.out" 2> "$work/$input.$version.err") || true
  done
  if cmp -s "$work/$input.old.out" "$work/$input.new.out" && cmp -s "$work/$input.old.err" "$work/$input.new.err"; then
    echo "$input: same report and trace ($(tail -n 1 "$work/$input.new.err"), $(grep -c '^Pair' "$work/$input.new.out") pairs)"
  else
    echo "$input: the versions differ"; diff "$work/$input.old.err" "$work/$input.new.err" | head -n 5 || true; status=1
  fi
done
exit $status
