#!/usr/bin/env bash
# Renders the three windows headless into docs/*.png for the README.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j"$(nproc)" --target window_screenshots >/dev/null
QT_QPA_PLATFORM=offscreen build/docs/window_screenshots docs
