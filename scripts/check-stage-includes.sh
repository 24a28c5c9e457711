#!/usr/bin/env bash
# Fails when a file of the converter includes a file of a later stage. The
# stages of conv/core in pipeline order; the files at conv/core's top (the
# whole conversion, `korvel check`, the window) come after all of them.
set -euo pipefail
cd "$(dirname "$0")/../conv/core"
stages=(input tables reading outputs)

rank() {
  local i
  for i in "${!stages[@]}"; do
    [[ $1 == "${stages[$i]}" ]] && { echo "$i"; return; }
  done
  echo "${#stages[@]}"  # the top of conv/core
}

status=0
for file in $(find . -name '*.h' -o -name '*.cpp' | sort); do
  file=${file#./}
  stage=$(rank "${file%%/*}")
  [[ $file == */* ]] || stage=${#stages[@]}
  while read -r included; do
    target=${included#conv/core/}
    if [[ $target == */* ]]; then target_stage=$(rank "${target%%/*}"); else target_stage=${#stages[@]}; fi
    if ((target_stage > stage)); then
      echo "conv/core/$file includes $included, which belongs to a later stage" >&2
      status=1
    fi
  done < <(sed -n 's/^#include "\(conv\/core\/[^"]*\)".*/\1/p' "$file")
done
for folder in */; do
  folder=${folder%/}
  (($(rank "$folder") < ${#stages[@]})) || { echo "conv/core/$folder is not in the list of stages" >&2; status=1; }
done
exit $status
