#!/usr/bin/env bash
# Key press to repaint in the middle of a 10 MB and a 50 MB document while recovery copies
# are written (NORVELIN_PROBE_RECOVERY_COPY), on an X server (Xvfb): typing alone, typing
# while the autosave writes copies (one started with every tenth key), and typing while the
# copy is written whole on the window's thread, for comparison. The part of
# bigdoc_bench.sh that concerns recovery copies, without the rest. Prints figures; judges
# nothing.
#
#   benchmarks/recovery/typing_during_copy.sh [build-dir] [runs] [sizes in MB...]
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$here/../../build}" && pwd)
runs=${2:-1}
shift $(($# > 2 ? 2 : $#))
sizes=("${@:-10 50}")
read -r -a sizes <<<"${sizes[*]}"
norvelin=$build/bin/norvelin
[ -x "$norvelin" ] || { echo "no $norvelin: cmake --build $build --target norvelin" >&2; exit 2; }

source "$here/../lib/x_timing.sh"

echo "Key press to repaint while a recovery copy is written (target: no frame over 50 ms for it):"
for mb in "${sizes[@]}"; do
  /usr/bin/python3 "$here/../batch/make_archive.py" --one "$scratch/big$mb.rtf" "$mb" >/dev/null
  for ((i = 1; i <= runs; i++)); do
    echo "  big$mb.rtf ($mb MB), run $i:"
    rm -rf "$scratch/state"
    XDG_STATE_HOME=$scratch/state NORVELIN_PROBE_TYPING=30 NORVELIN_PROBE_RECOVERY_COPY=1 "$norvelin" "$scratch/big$mb.rtf" \
      | grep "in the middle\|recovery copy\|window's thread" | sed 's/^norvelin: /    /'
  done
  rm -f "$scratch/big$mb.rtf"
done
