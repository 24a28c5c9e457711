#!/usr/bin/env bash
# Installs what is missing, builds the tool set and runs the whole chain
# headless on the bundled examples in a scratch folder: the material code
# file, the model conversion with Plakon.exe, the solver on the example job.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j"$(nproc)" >/dev/null
bin="$root/build/bin"

scratch="$root/out/example-run"
rm -rf "$scratch" && mkdir -p "$scratch" && cd "$scratch"
cp "$root/examples/frame1.dat" "$root/examples/two-storey-frame.s2k" .

# The started tools run on their own; wait until their files are there.
wait_for() {
  for _ in $(seq 100); do [[ -s "$1" ]] && return 0; sleep 0.1; done
  echo "main-job: $1 did not appear" >&2
  return 1
}

"$bin/korvel" pre "$root/examples/column-400x600.section"
"$bin/korvel" check two-storey-frame.s2k > check.txt
"$bin/korvel" convert two-storey-frame.s2k
wait_for data.mfd
"$bin/korvel" run frame1.dat
wait_for frame1.log
"$bin/korvel" plot section
"$bin/korvel" plot model

cat <<EOF
KORVEL ran on the bundled examples in $scratch:
  matcode0.txt  material code file of examples/column-400x600.section ($(wc -l < matcode0.txt) lines)
  check.txt     what korvel check says of the model before converting it
  debug.txt     progress log of converting examples/two-storey-frame.s2k
  out.txt       the converted model ($(head -1 out.txt | tr -d '\r') joints)
  data.mfd      written by the Plakon.exe stand-in from out.txt
  frame1.log    written by the solver stand-in for the job frame1.dat:
$(sed 's/^/                  /' frame1.log | tr -d '\r')
  matcode0.svg  picture of the fiber section (open it in a browser)
  model.svg     picture of the converted model: axonometric view, plan, two elevations

The three windows, on a machine with a display (they work in the current folder):
  cd $scratch && $bin/KORVEL_PRE     # section input, OK writes matcode0.txt
  cd $scratch && $bin/TRELVO         # type two-storey-frame.s2k to convert
  cd $scratch && $bin/KORVEL_RUN     # Run, pick frame1.dat
EOF
