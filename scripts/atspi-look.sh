#!/usr/bin/env bash
# A manual look at the game through the AT-SPI bus, the way a screen reader sees it: starts a
# private session bus, a virtual display and the game (from the build), then reads its window
# with scripts/atspi_look.py. Needs at-spi2-core, python3-pyatspi, xdotool and xvfb (Debian
# packages).
# Usage: bash scripts/atspi-look.sh [build folder]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
bin="$(cd "${1:-$here/../build}/bin" && pwd)"
play="$(mktemp -d)"
trap 'rm -rf "$play"' EXIT
# A copy of the game, so its settings and kept letters are written there.
cp -r "$bin"/. "$play"/

dbus-run-session -- xvfb-run -a -s '-screen 0 1280x1024x24' bash -c '
  /usr/libexec/at-spi-bus-launcher --launch-immediately &
  sleep 1
  cd "$0" && QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 ./stacklinks &
  game=$!
  /usr/bin/python3 "$1"
  status=$?
  kill $game
  exit $status
' "$play" "$here/atspi_look.py"
