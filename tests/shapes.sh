#!/usr/bin/env bash
# Checks what tests/generate promises of its shapes: every equation of every preset, of
# settings given on the command line, and of every change made by --mutate, is well
# formed (digits, spaces and balanced parentheses, an operand or a group on each side of
# every gap, no empty group), has 20 to 39 slots and at most 79 characters once
# normalised as velkora normalises it, and a result that is not 0; changes change most
# equations; and settings that are not understood are refused.
#   shapes.sh GENERATE SEED COUNT
set -u
generate=$1 seed=$2 count=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0

check() {  # check NAME FILE
  awk -v name="$1" '
    $0 == "0" { next }
    {
      result = $0; sub(/ = .*/, "", result)
      text = $0; sub(/^[^=]* = /, "", text)
      normal = text
      gsub(/ +/, " ", normal); gsub(/\( /, "(", normal); gsub(/ \)/, ")", normal); gsub(/\)\(/, ") (", normal)
      slots = gsub(/ /, " ", normal)
      depth = 0; bad = ""
      for (i = 1; i <= length(text); i++) {
        c = substr(text, i, 1)
        if (c == "(") depth++
        else if (c == ")") { if (--depth < 0) bad = "unbalanced" }
        else if (c !~ /[0-9 ]/) bad = "not digits, spaces and parentheses"
      }
      if (depth != 0) bad = "unbalanced"
      if (normal ~ /[0-9]\(|\)[0-9]|\(\)/) bad = "a gap without an operand on each side, or an empty group"
      if (result !~ /^-?[0-9]+$/ || result + 0 == 0 || result + 0 > 2147483647 || result + 0 < -2147483648)
        bad = "result " result
      if (slots < 20 || slots > 39) bad = slots " slots"
      if (length(normal) > 79) bad = length(normal) " characters normalised"
      if (bad != "" && ++failures <= 5) print name ": " bad ": " $0
      equations++
    }
    END { if (failures > 0 || equations == 0) exit 1 }
  ' "$2" || failed=1
}

for shape in groups chains operands mutants mix side big outer shapemutants \
             'groups=1 size=15-25 slots=0-39' \
             'groups=0-4 size=0-14 nest=0-2 depth=0-3 sub=0-5 digits=1-3 long=30 widen=50 room=0-9 plain=0-9 tight=50 outer=50 wrap=0-9 mutate=0-3 value=40 small=30'; do
  "$generate" --shape "$shape" "$seed" "$count" > "$work/shape" || { echo "$shape: generate failed"; failed=1; }
  check "$shape" "$work/shape"
  # Every change must keep the equation within the limits, however many are made.
  grep -v '^0$' "$work/shape" > "$work/before"
  "$generate" --mutate "$seed" 'mutate=3' < "$work/before" > "$work/after" || { echo "$shape: --mutate failed"; failed=1; }
  check "$shape, changed" "$work/after"
  [ "$(wc -l < "$work/after")" = "$(wc -l < "$work/before")" ] || { echo "$shape: --mutate lost equations"; failed=1; }
  same=$(paste -d '\n' "$work/before" "$work/after" | uniq -d | wc -l)
  [ "$same" -le $((count / 10)) ] || { echo "$shape: --mutate left $same of $count equations as they were"; failed=1; }
done
for shape in 'groups=3 sise=4' 'groups=4-2' 'plain=41' 'side | big tight=x' 'slots=5-10' nothing; do
  "$generate" --shape "$shape" "$seed" 1 > /dev/null 2>&1
  [ $? = 2 ] || { echo "settings \"$shape\" were not refused"; failed=1; }
done
[ "$failed" = 0 ] && echo "the shapes of $count equations each are within the limits"
exit $failed
