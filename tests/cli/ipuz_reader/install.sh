#!/usr/bin/env bash
# Installs the pinned ipuz parser (package-lock.json) and its runtime dependencies into DEST.
# Skips (exit code 77) where node or npm is missing.
set -euo pipefail
src=$1
dest=$2
if ! command -v node >/dev/null || ! command -v npm >/dev/null; then
  echo "SKIP: node and npm are needed to read ipuz files with an independent parser;" \
       "scripts/setup-deps.sh installs them (Debian packages nodejs and npm)"
  exit 77
fi
mkdir -p "$dest"
if cmp -s "$src/package-lock.json" "$dest/package-lock.json" &&
   [ -f "$dest/node_modules/@xwordly/xword-parser/package.json" ]; then
  echo "ipuz parser already installed in $dest"
  exit 0
fi
cp "$src/package.json" "$src/package-lock.json" "$dest/"
cd "$dest"
npm ci --omit=dev --ignore-scripts --no-audit --no-fund
