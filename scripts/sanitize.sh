#!/usr/bin/env bash
# Builds the plain C++ parts (no windows) with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer into build-sanitize/ and runs their tests; any
# report fails the run. The same build holds the fuzz targets (scripts/fuzz.sh).
#   scripts/sanitize.sh                  build and test
#   scripts/sanitize.sh --configure-only only configure build-sanitize/
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh sanitizers
CXX=clang++ cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORVEL_SANITIZE=ON -DKORVEL_FUZZ=ON -DKORVEL_WERROR=ON \
  -DKORVEL_QT=OFF >/dev/null
[[ "${1:-}" == --configure-only ]] && exit 0
cmake --build build-sanitize -j"$(nproc)"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-sanitize --output-on-failure -j"$(nproc)"
