# Sourced by the bench scripts: the boards with obstacles that both of them use.
# board W H PERCENT PAIRS SEED: a board with about PERCENT % of its cells occupied and
# PAIRS queries between cells of the board and its margin, drawn from a generator of
# its own, so that every awk makes the same board.
board() {
  awk -v w="$1" -v h="$2" -v p="$3" -v pairs="$4" -v seed="$5" '
    function draw(n) { state = (state * 48271) % 2147483647; return state % n }
    BEGIN {
      state = seed; print w, h
      for (y = 1; y <= h; y++) {
        line = ""
        for (x = 1; x <= w; x++) line = line (draw(100) < p ? "X" : " ")
        print line
      }
      for (n = 0; n < pairs; ) {
        q = draw(w + 2) " " draw(h + 2) " " draw(w + 2) " " draw(h + 2)
        if (q != "0 0 0 0") { print q; n++ }
      }
      print "0 0 0 0"; print "0 0"
    }'
}
