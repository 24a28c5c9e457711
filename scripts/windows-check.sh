#!/usr/bin/env bash
# Cross-builds the plain C++ libraries, the three window programs drawn with
# Win32, korvel.exe, the two stand-ins and all their tests for Windows
# (mingw-w64, static runtime) and runs the tests under Wine. The Qt windows
# are not part of this build: Debian has no Qt for mingw.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh windows
build=build-windows
cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DCMAKE_BUILD_TYPE=Release -DKORVEL_QT=OFF -DKORVEL_WERROR=ON >/dev/null
# All that is built, and the setup program (with the guide) when a part of it changed.
cmake --build "$build" -j"$(nproc)" --target all setup

# A private Wine prefix, no display, and a Chinese system locale (code page
# 936), as on the machines the solver runs on.
export WINEPREFIX="$PWD/$build/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LANG=zh_CN.UTF-8
# LANG decides only when no LC_ variable overrides it (LC_CTYPE would set Wine's code page).
unset DISPLAY $(compgen -e | grep '^LC_' || true)
[[ -d "$WINEPREFIX" ]] || wineboot --init >/dev/null 2>&1 || true
# Windows without a display: Wine's null graphics driver creates them all the same.
wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
wineserver -w  # the prefix is complete, the setting saved, before the first test starts
ctest --test-dir "$build" --output-on-failure

# The Windows programs themselves, on a golden model: same bytes as on Linux.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"; wineserver -k 2>/dev/null || true' EXIT
golden=conv/tests/models/frame-and-wall
cp "$golden/model.s2k" "$scratch/"
(cd "$scratch" && KORVEL_UTF8=1 wine "$OLDPWD/$build/bin/korvel.exe" convert --no-tool model.s2k && wine "$OLDPWD/$build/bin/Plakon.exe")
cmp "$scratch/out.txt" "$golden/out.txt"
cmp "$scratch/debug.txt" "$golden/debug.txt"
head -c 42 "$scratch/data.mfd" | grep -q "KORVEL model listing (Plakon.exe stand-in)"
echo "windows-check: korvel.exe and Plakon.exe under Wine wrote the expected files"

scripts/setup-check.sh "$build" "$scratch"
