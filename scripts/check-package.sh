#!/usr/bin/env bash
# Checks the Debian package `make package` built (build/stacklinks_*.deb):
# - lintian, Debian's own package checker, finds no error and no warning;
# - hardening-check finds every hardening feature in both programs;
# - with --install (as root, on a machine that may be changed, such as CI): the package installs,
#   the game starts from its menu entry's command as a normal user on a virtual display and keeps
#   running, and the package is removed again.
# Needs lintian and devscripts: bash scripts/setup-deps.sh lintian devscripts
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}

shopt -s nullglob
debs=("$BUILD_DIR"/stacklinks_*.deb)
if [ ${#debs[@]} -ne 1 ]; then
  echo "check-package: expected one package in $BUILD_DIR, found ${#debs[@]} (run make package)" >&2
  exit 1
fi
deb=${debs[0]}

echo "== lintian $deb"
# Info tags are shown too, so that a new one is seen; only errors and warnings fail.
lintian --fail-on error,warning --display-info "$deb"

echo "== hardening-check"
unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"
# Control-flow protection is not asked for: the programs are compiled with it, but Debian 12's C
# start-up files lack its marking, so the linker drops it from every program (Debian's own too).
hardening-check --nocfprotection "$unpacked"/usr/games/stacklinks "$unpacked"/usr/games/stacklinks-tool

[ "${1:-}" = "--install" ] || exit 0

echo "== install, start from the menu entry as a normal user, remove"
user=stacklinks-check
desktop=/usr/share/applications/org.example.stacklinks.desktop
DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "./$deb"
id "$user" >/dev/null 2>&1 || useradd --create-home "$user"
# The command of the menu entry, without its field codes (%f, %u and the like).
command=$(sed -n 's/^Exec=//p' "$desktop" | sed 's/ *%[a-zA-Z]//g')
shot=/tmp/stacklinks-check.png
rm -f "$shot"
# A login shell gives the PATH a desktop session gives (with /usr/games). The game must still be
# running after a few seconds; a screenshot is kept when imagemagick is there.
status=0
su --login "$user" -c "cd ~ && xvfb-run -a -s '-screen 0 1280x1024x24' sh -c '
  $command & game=\$!
  sleep 8
  kill -0 \$game || exit 1
  if command -v import >/dev/null; then import -window root $shot; fi
  kill \$game; wait \$game; true'" || status=$?
DEBIAN_FRONTEND=noninteractive apt-get purge -y stacklinks
userdel --remove "$user" 2>/dev/null || true
if [ $status -ne 0 ]; then
  echo "check-package: the installed game did not keep running from its menu entry ($command)" >&2
  exit 1
fi
[ -f "$shot" ] && echo "screenshot: $shot"
echo "check-package: the installed game ran from its menu entry ($command)"
