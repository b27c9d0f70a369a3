#!/usr/bin/env bash
# Makes data/puzzles.txt, the puzzle file a first start shows: 100 different puzzles of each
# size 8 to 12, created by stacklinks-tool from the shipped dictionary, in shuffled order. A
# puzzle that uses a word twice (the generator allows it three levels apart) is skipped, so no
# clue shows twice.
# Usage: tools/make_starter_puzzles.sh BIN_DIR   (the program folder of a finished build)
set -euo pipefail

bin_dir=${1:?usage: $0 BIN_DIR}
out=$(dirname "$0")/../data/puzzles.txt
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for size in 8 9 10 11 12; do
  # More than needed, so that 100 remain once puzzles with the same words, or with a word
  # twice, are dropped.
  "$bin_dir/stacklinks-tool" create --dict "$bin_dir/english1.txt" --size "$size" \
    --count 200 --seed "$size" --meanings "$bin_dir/mean6.txt" --out "$work/$size.txt" 2>/dev/null
  awk -F';' '{ key = $0; gsub(/,-?[0-9]+;/, ";", key)
               n = $1; twice = 0; split("", used)
               for (k = n + 1; k <= 2 * n; k++) { w = $k; sub(/,.*/, "", w); if (used[w]++) twice = 1 } }
       !twice && !seen[key]++ && kept < 100 { print; kept++ }' "$work/$size.txt" > "$work/$size.unique"
  [ "$(wc -l < "$work/$size.unique")" -eq 100 ] || { echo "too few puzzles of size $size" >&2; exit 1; }
done

# A fixed shuffle, so the same build gives the same file.
cat "$work"/*.unique | awk 'BEGIN { srand(2024) } { printf "%.9f\t%s\n", rand(), $0 }' \
  | sort -k1,1 | cut -f2- > "$out"
echo "wrote $(wc -l < "$out") puzzles to $out"
