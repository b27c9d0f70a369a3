#!/usr/bin/env bash
# Remakes data/puzzles.txt, the puzzle file a first start shows: 100 puzzles of each size 8 to 12
# from the built everyday dictionary (every clean word where it has too few), made by the game's generator and chosen so that no word is
# in more than 4 puzzles and no two puzzles share more than 3 words (tools/make_starter_puzzles.cpp).
# The same dictionary gives the same file.
# Usage: tools/make_starter_puzzles.sh BUILD_DIR   (a finished build, e.g. build)
set -euo pipefail

build_dir=${1:?usage: $0 BUILD_DIR}
out=$(dirname "$0")/../data/puzzles.txt
"$build_dir/tools/make_starter_puzzles" "$build_dir/bin/english1.txt" "$build_dir/bin/english2.txt" \
  /usr/share/dict/scowl /usr/share/wordnet/cntlist.rev "$out"
