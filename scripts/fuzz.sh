#!/usr/bin/env bash
# Builds the fuzz targets with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer into build-sanitize/ (as scripts/sanitize.sh
# does) and runs each for SECONDS (default 30), starting from the project's
# own example and golden files.
#   scripts/fuzz.sh [SECONDS] [TARGET...]
# A finding stops the run with the input that caused it saved in
# build-sanitize/fuzz/<target>/ (crash-*, leak-*, timeout-*). The corpus grows
# in build-sanitize/fuzz/<target>/corpus and is reused by the next run.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
shift || true
targets=("$@")
[[ ${#targets[@]} -gt 0 ]] || targets=(conversion_fuzz section_file_fuzz model_file_fuzz matcode_file_fuzz plot_fuzz)

scripts/sanitize.sh --configure-only
cmake --build build-sanitize -j"$(nproc)" --target "${targets[@]}" >/dev/null

for target in "${targets[@]}"; do
  dir=$PWD/build-sanitize/fuzz/$target  # absolute: a target may change its current folder
  mkdir -p "$dir/corpus"
  dictionary=()
  [[ -f $dir/dictionary ]] && dictionary=(-dict="$dir/dictionary")
  echo "fuzz: $target for ${seconds} s"
  ASAN_OPTIONS=detect_leaks=1 "$dir/$target" "$dir/corpus" "$dir/seeds" "${dictionary[@]}" \
    -artifact_prefix="$dir/" -max_total_time="$seconds" -max_len=65536 -rss_limit_mb=2048 -timeout=10 \
    -print_final_stats=1 2>"$dir/fuzz.log" || {
    tail -40 "$dir/fuzz.log" >&2
    echo "fuzz: $target found a problem; the input is in $dir" >&2
    exit 1
  }
  grep -E "stat::number_of_executed_units|stat::peak_rss_mb" "$dir/fuzz.log" | sed "s/^/fuzz: $target /"
done
