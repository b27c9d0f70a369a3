#!/usr/bin/env bash
# Installs the Debian packages the game needs to build, test and run, plus any package named on
# the command line (e.g. the fuzzing compiler). Idempotent: does nothing when all are installed.
set -euo pipefail

PACKAGES=(
  cmake make g++ pkg-config
  qt6-base-dev qt6-svg-dev libgl-dev libcups2-dev
  qt6-base-private-dev
  libgtest-dev libbenchmark-dev
  wordnet-base wamerican wbritish-huge scowl wamerican-insane
  fonts-liberation2
  xvfb xauth x11-utils
  cups-daemon
  poppler-utils
  desktop-file-utils appstream
  man-db
  "$@"
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

# The tests read exported ipuz files with an npm package under node. Any node and npm will do
# (a machine may carry its own build of node, which conflicts with Debian's npm package).
if ! command -v node >/dev/null || ! command -v npm >/dev/null; then
  missing+=(nodejs npm)
fi

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  SUDO="sudo"
fi
$SUDO apt-get update
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
