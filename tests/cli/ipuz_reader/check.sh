#!/usr/bin/env bash
# Exports puzzles with stacklinks-tool ipuz and reads the files with an independent parser:
# every shipped puzzle, and a hand-made file whose clues use Windows-1252 letters and JSON's
# special characters. Skips (exit code 77) where node is missing.
set -euo pipefail
tool=$1
bin=$2
reader=$3
here=$(cd "$(dirname "$0")" && pwd)
if ! command -v node >/dev/null; then
  echo "SKIP: node is needed to read ipuz files with an independent parser;" \
       "scripts/setup-deps.sh installs it (Debian package nodejs)"
  exit 77
fi
if [ ! -f "$reader/node_modules/@xwordly/xword-parser/package.json" ]; then
  echo "the ipuz parser is not installed in $reader (the ipuz_reader_install test does that)"
  exit 1
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# ES modules find their packages from where the importing file is.
cp "$here/check_ipuz.mjs" "$reader/"

check() {  # puzzle file, meanings file, first, last
  local out="$work/$(basename "$1").out"
  "$tool" ipuz --file "$1" --meanings "$2" --range "$3-$4" --out "$out" >"$work/written"
  local written
  written=$(wc -l <"$work/written")
  if [ "$written" -ne $(($4 - $3 + 1)) ]; then
    echo "stacklinks-tool ipuz wrote $written files for $3-$4"
    return 1
  fi
  node "$reader/check_ipuz.mjs" "$1" "$2" "$out" "$3" "$4"
}

shipped=$(wc -l <"$bin/puzzles.txt")
check "$bin/puzzles.txt" "$bin/mean6.txt" 1 "$shipped"

# Links in any order; clues with accents, curly quotes, the euro
# sign, quotes, a backslash, a tab and a control character; a word without meanings.
printf '%s\r\n' \
  '8;070603;010508;020408;030507;020406;030507;020406;BRIDGERS,1;LAGOONSX,1;CRYSTALS,0;MARBLING,2;PLOTTERS,1;SHELVING,1;TRUMPETS,1;QUZZXYWV,0;' \
  '8;020406;030507;020406;030507;020406;030507;020406;BRIDGERS,1;LAGOONSX,1;CRYSTALS,0;MARBLING,2;PLOTTERS,1;SHELVING,1;TRUMPETS,1;CRYSTALS,0;' \
  >"$work/hand.txt"
printf '%b\r\n' \
  'BRIDGERS:caf\xe9 \x93au lait\x94 \x80 5' \
  'LAGOONSX:say "hi" \\ back\tslash' \
  'CRYSTALS:bell\x01 \xa9 \x8a\x9f' \
  'MARBLING:first' 'MARBLING:second' \
  'PLOTTERS:</script> & <b>' \
  'SHELVING:\xc3\xa9 read as two letters' \
  'TRUMPETS:' >"$work/hand-meanings.txt"
check "$work/hand.txt" "$work/hand-meanings.txt" 1 2
