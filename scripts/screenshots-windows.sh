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
unset $(compgen -e | grep '^LC_' || true)  # LANG alone sets the code page
trap 'wineserver -k 2>/dev/null || true; kill $xvfb 2>/dev/null || true; rm -rf "$scratch"' EXIT
[[ -d "$WINEPREFIX" ]] || wineboot --init >/dev/null 2>&1 || true
# Windows users see the labels in SimSun, smoothed. Wine has no SimSun: a
# scalable Song face takes its place (without it, Wine falls back to a bitmap
# face that drops strokes), and fonts are smoothed in grey.
wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v SimSun /d 'Noto Serif CJK SC' /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 宋体 /d 'Noto Serif CJK SC' /f >/dev/null 2>&1
wine reg add 'HKCU\Control Panel\Desktop' /v FontSmoothing /d 2 /f >/dev/null 2>&1
wine reg add 'HKCU\Control Panel\Desktop' /v FontSmoothingType /t REG_DWORD /d 1 /f >/dev/null 2>&1
wineserver -w

photograph() {  # program, file
  xwd -silent -name "$1 - Wine desktop" 2>/dev/null | xwdtopnm 2>/dev/null | pnmtopng > "$2" 2>/dev/null
}
shoot() {  # program, desktop size
  (cd "$scratch" && wine explorer /desktop="$1,$2" "$root/build-windows/bin/$1.exe" >/dev/null 2>&1 &)
  # Wait until the window is drawn (a blank desktop has two colours; Wine's
  # first start in a prefix takes a while), then give it time to finish.
  local shot="$scratch/$1.png"
  for _ in $(seq 60); do
    sleep 1
    photograph "$1" "$shot" || continue
    (( $(pngtopnm "$shot" | ppmhist -noheader | wc -l) > 8 )) && break
  done
  sleep 2
  photograph "$1" "docs/$1-windows.png"
  wineserver -k 2>/dev/null || true
  sleep 1
}
shoot KORVEL_PRE 680x560
shoot TRELVO 360x270
shoot KORVEL_RUN 430x340
echo "screenshots-windows: docs/KORVEL_PRE-windows.png, docs/TRELVO-windows.png, docs/KORVEL_RUN-windows.png"
