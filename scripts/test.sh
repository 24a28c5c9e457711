#!/usr/bin/env bash
# Builds everything and runs every test, headless: the Linux build with the
# windows; the plain C++ parts under AddressSanitizer and
# UndefinedBehaviorSanitizer, and each fuzz target for 20 s; then the Windows
# build of the cores under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DKORVEL_WERROR=ON >/dev/null
cmake --build build -j"$(nproc)"
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j"$(nproc)"
scripts/sanitize.sh
scripts/fuzz.sh 20
scripts/windows-check.sh
