#!/usr/bin/env bash
# Writes the package's copyright file: the template (the game's own paragraphs, already filled
# in by the build) with the word data's copyright and licence texts taken from the copyright
# files of the Debian packages the word lists were made from, so they stay those packages' words.
# The template marks their places {{WORDNET_COPYRIGHT}}, {{SCOWL_COPYRIGHT}} (within a line) and
# {{WORDNET_LICENSE}}, {{SCOWL_LICENSE}} (a line of their own).
#
#   make_copyright.sh TEMPLATE OUTPUT WORDNET_COPYRIGHT SCOWL_COPYRIGHT...
#
# WORDNET_COPYRIGHT is wordnet-base's machine-readable copyright file; each SCOWL_COPYRIGHT is a
# free-form copyright file of a package built from SCOWL (wamerican, scowl): texts that are the
# same are given once.
set -euo pipefail

if [ $# -lt 4 ]; then
  echo "usage: $0 TEMPLATE OUTPUT WORDNET_COPYRIGHT SCOWL_COPYRIGHT..." >&2
  exit 2
fi
template=$1 output=$2 wordnet=$3
shift 3

fail() {
  echo "make_copyright.sh: $*" >&2
  exit 1
}

for f in "$template" "$wordnet" "$@"; do
  [ -r "$f" ] || fail "cannot read $f (install the packages scripts/setup-deps.sh names)"
done

# One field of the paragraph of a machine-readable copyright file whose License names WordNet:
# "Copyright" gives its first line's value, "License" its text (the continuation lines).
wordnet_field() {
  awk -v want="$1" '
    BEGIN { RS = ""; FS = "\n" }
    $0 ~ /(^|\n)License: *WordNet/ {
      for (i = 1; i <= NF; i++) {
        if (want == "Copyright" && $i ~ /^Copyright:/) {
          sub(/^Copyright: */, "", $i); print $i; exit
        }
        if (want == "License" && $i ~ /^License:/) {
          for (j = i + 1; j <= NF && $j ~ /^[ \t]/; j++) print $j
          exit
        }
      }
    }' "$wordnet"
}

# A free-form text as the text of a License field: every line indented by one blank, blank lines
# written as " .", blanks at line ends and blank lines at the end dropped.
as_field_text() {
  awk '{ sub(/[ \t\r]+$/, ""); line[NR] = $0 } NF { last = NR }
       END { for (i = 1; i <= last; i++) print " " (line[i] == "" ? "." : line[i]) }' "$1"
}

wordnet_copyright=$(wordnet_field Copyright)
wordnet_license=$(wordnet_field License)
[ -n "$wordnet_copyright" ] && [ -n "$wordnet_license" ] ||
  fail "$wordnet has no WordNet licence paragraph"

# Texts that are the same are given once; different ones are separated by " .".
scowl_license=""
declare -A seen=()
for f in "$@"; do
  text=$(as_field_text "$f")
  [ -n "${seen[$text]:-}" ] && continue
  seen[$text]=1
  scowl_license+="${scowl_license:+$'\n .\n'}$text"
done
scowl_copyright=$(grep -m1 -o 'Copyright [0-9][0-9-]* by Kevin Atkinson' "$1" | sed 's/^Copyright //; s/ by / /') ||
  fail "$1 names no SCOWL copyright"

tmp=$(mktemp "$output.XXXXXX")
trap 'rm -f "$tmp"' EXIT
while IFS= read -r line || [ -n "$line" ]; do
  case $line in
    *{{WORDNET_COPYRIGHT}}*) printf '%s\n' "${line/"{{WORDNET_COPYRIGHT}}"/$wordnet_copyright}" ;;
    *{{SCOWL_COPYRIGHT}}*) printf '%s\n' "${line/"{{SCOWL_COPYRIGHT}}"/$scowl_copyright}" ;;
    {{WORDNET_LICENSE}}) printf '%s\n' "$wordnet_license" ;;
    {{SCOWL_LICENSE}}) printf '%s\n' "$scowl_license" ;;
    *) printf '%s\n' "$line" ;;
  esac
done < "$template" > "$tmp"
chmod 644 "$tmp"
mv "$tmp" "$output"
trap - EXIT
