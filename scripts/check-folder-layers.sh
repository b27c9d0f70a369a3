#!/usr/bin/env bash
# Fails when the source folders include each other in a cycle, so the folders stay layers: a
# folder may use the folders below it, never one that uses it back. Each gui/ and render/ part
# counts as a folder of its own. Prints the include edges of a cycle it finds.
set -euo pipefail
src="${1:-$(dirname "$0")/../src}"
cd "$src"

# "from to" for every #include "folder/file.h" between two different folders of src/.
edges=$(grep -rHE '^[[:space:]]*#[[:space:]]*include[[:space:]]+"[^"]+/[^"/]+"' \
          --include='*.h' --include='*.cpp' . |
        sed -E 's#^\./(.*)/[^/:]+:[[:space:]]*\#[[:space:]]*include[[:space:]]+"(.*)/[^/"]+".*$#\1 \2#' |
        while read -r from to; do
          [ "$from" != "$to" ] && [ -d "$to" ] && echo "$from $to"
        done | sort -u)

if ! loop=$(printf '%s\n' "$edges" | tsort 2>&1 >/dev/null) || [ -n "$loop" ]; then
  echo "The source folders include each other in a cycle:" >&2
  printf '%s\n' "$loop" | sed -n 's/^tsort: //p' | grep -v 'input contains a loop' >&2 || true
  exit 1
fi
echo "$(printf '%s\n' "$edges" | wc -l) folder include edges, no cycle"
