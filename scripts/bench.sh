#!/usr/bin/env bash
# Prints the converter's speed and memory on generated models of 1,000,
# 100,000 and 1,000,000 lines: the median of five conversions beside the
# median time `wc -l` takes to read the same file, and the peak memory.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j"$(nproc)" --target conversion_bench >/dev/null
for lines in 1000 100000 1000000; do build/bin/conversion_bench "$lines"; done
