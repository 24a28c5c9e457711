#!/usr/bin/env bash
# Prints the converter's speed and memory on generated models of 1,000,
# 100,000 and 1,000,000 lines: the median of five conversions beside the
# median time `wc -l` takes to read the same file, and the peak memory.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j"$(nproc)" --target conversion_bench korvel >/dev/null
for lines in 1000 100000 1000000; do build/bin/conversion_bench "$lines"; done

# korvel plot model on a converted model of 100,000 joints and 100,000 frames.
scratch=$PWD/build/bench-plot
rm -rf "$scratch" && mkdir -p "$scratch"
trap 'rm -rf "$scratch"' EXIT
cd "$scratch"
"$OLDPWD/build/bin/conversion_bench" --write 300000 model.s2k
"$OLDPWD/build/bin/korvel" convert --no-tool model.s2k 2>/dev/null
TIMEFORMAT="plot model: 100,000 frames and 100,000 joints drawn in %R s"
time "$OLDPWD/build/bin/korvel" plot model
