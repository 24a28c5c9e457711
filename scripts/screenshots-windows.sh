#!/usr/bin/env bash
# Photographs the three Win32 windows as Wine shows them, each in a Wine
# virtual desktop on a virtual X display, into docs/*-windows.png for the
# README. Run scripts/windows-check.sh first (it builds the programs).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
scripts/install-deps.sh windows
scripts/install-deps.sh screenshots
[[ -x build-windows/bin/KORVEL_PRE.exe ]] || { echo "screenshots-windows: run scripts/windows-check.sh first" >&2; exit 1; }

display=:93
Xvfb "$display" -screen 0 1024x768x24 >/dev/null 2>&1 &
xvfb=$!
scratch=$(mktemp -d)
export DISPLAY=$display WINEPREFIX="$root/build-windows/wineprefix-screenshots" WINEDEBUG=-all \
  WINEDLLOVERRIDES="mscoree,mshtml=" LANG=zh_CN.UTF-8
unset LC_ALL
trap 'wineserver -k 2>/dev/null || true; kill $xvfb 2>/dev/null || true; rm -rf "$scratch"' EXIT
[[ -d "$WINEPREFIX" ]] || wineboot --init >/dev/null 2>&1 || true
wineserver -w

shoot() {  # program, desktop size
  (cd "$scratch" && wine explorer /desktop="$1,$2" "$root/build-windows/bin/$1.exe" >/dev/null 2>&1 &)
  sleep 6
  xwd -silent -name "$1 - Wine desktop" | xwdtopnm 2>/dev/null | pnmtopng > "docs/$1-windows.png"
  wineserver -k 2>/dev/null || true
  sleep 1
}
shoot KORVEL_PRE 680x560
shoot TRELVO 360x270
shoot KORVEL_RUN 430x340
echo "screenshots-windows: docs/KORVEL_PRE-windows.png, docs/TRELVO-windows.png, docs/KORVEL_RUN-windows.png"
