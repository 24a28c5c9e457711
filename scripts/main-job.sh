#!/usr/bin/env bash
# Builds the tool set and runs its jobs headless on the bundled examples in a
# scratch folder, then says where the results are.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j"$(nproc)" >/dev/null
korvel="$root/build/cli/korvel"

scratch="$root/out/example-run"
rm -rf "$scratch" && mkdir -p "$scratch" && cd "$scratch"
"$korvel" pre "$root/examples/column-400x600.section"
echo "KORVEL ran on the bundled examples in $scratch:"
echo "  matcode0.txt  material code file of examples/column-400x600.section"
