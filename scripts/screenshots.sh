#!/usr/bin/env bash
# Renders the three windows headless, and the pictures `korvel plot` draws of
# the bundled examples, into docs/*.png for the README.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j"$(nproc)" --target window_screenshots korvel >/dev/null
QT_QPA_PLATFORM=offscreen build/scripts/window_screenshots docs

scripts/install-deps.sh docs
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
(cd "$scratch" && "$OLDPWD/build/bin/korvel" pre "$OLDPWD/examples/column-400x600.section" &&
  "$OLDPWD/build/bin/korvel" convert --no-tool "$OLDPWD/examples/two-storey-frame.s2k" 2>/dev/null &&
  "$OLDPWD/build/bin/korvel" plot section && "$OLDPWD/build/bin/korvel" plot model)
rsvg-convert -o docs/plot-section.png "$scratch/matcode0.svg"
rsvg-convert -w 1200 -o docs/plot-model.png "$scratch/model.svg"
