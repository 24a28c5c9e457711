#!/usr/bin/env bash
# Prints the converter's speed and memory on generated models.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j"$(nproc)" --target conversion_bench >/dev/null
for lines in 1000 100000 1000000; do build/conv/conversion_bench "$lines"; done
