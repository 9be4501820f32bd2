#!/usr/bin/env bash
# Big documents as a writer meets them, on an X server (Xvfb):
#  1. `norvelin big.rtf` (4 MB of NQ text with mixed formatting) until its window is mapped
#     with the document's name in the caption, beside `abiword big.rtf` until its window
#     is mapped with the name, alternately after one warm-up each; and Norvelin's own
#     figure to the first page painted (NORVELIN_EXIT_WHEN_SHOWN).
#  2. Key press to repaint in a 4 MB and a 50 MB document: while the rest is still being
#     laid out and in the middle once it is (NORVELIN_PROBE_TYPING).
#  3. Pasting 10 MB of text into an empty document (NORVELIN_PROBE_PASTE_MB).
# Prints figures and ratios; it judges nothing.
#
#   benchmarks/bigdoc/bigdoc_bench.sh [build-dir] [runs]
#
# Needs xdotool and Xvfb (scripts/test installs both); AbiWord is installed here when it
# is missing and apt-get can be used (it is only needed for this comparison).
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$here/../../build}" && pwd)
runs=${2:-5}
norvelin=$build/bin/norvelin
[ -x "$norvelin" ] || { echo "no $norvelin: cmake --build $build --target norvelin" >&2; exit 2; }

if ! command -v abiword >/dev/null && [ "$(id -u)" -eq 0 ]; then
  echo "Installing AbiWord, the peer this benchmark compares with (benchmark only)"
  DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends abiword >/dev/null \
    || echo "AbiWord could not be installed: measuring Norvelin alone"
fi

source "$here/../lib/x_timing.sh"

/usr/bin/python3 "$here/../batch/make_archive.py" --one "$scratch/big.rtf" 4
/usr/bin/python3 "$here/../batch/make_archive.py" --one "$scratch/big50.rtf" 50

echo
echo "Opening big.rtf ($runs runs each, alternately):"
# Norvelin says when its first page is painted. AbiWord does not, and maps its window
# before the document is in: it counts until its window is up and it has gone idle.
painted=()
abiword=()
have_abiword=$(command -v abiword >/dev/null && echo yes || echo no)
[ "$have_abiword" = yes ] && time_to_idle abiword "$scratch/big.rtf" >/dev/null   # warm-up
NORVELIN_EXIT_WHEN_SHOWN=1 "$norvelin" "$scratch/big.rtf" >/dev/null
for ((i = 1; i <= runs; i++)); do
  line=$(NORVELIN_EXIT_WHEN_SHOWN=1 "$norvelin" "$scratch/big.rtf" | grep "first page painted")
  painted+=("$(echo "$line" | awk '{printf "%d", $5 * 1000}')")
  [ "$have_abiword" = yes ] && abiword+=("$(time_to_idle abiword "$scratch/big.rtf")")
done
n=$(printf '%s\n' "${painted[@]}" | median)
printf "  norvelin  main() to the first page painted: median %8s ms   runs:" "$(ms "$n")"
for v in "${painted[@]}"; do printf " %s" "$(ms "$v")"; done
echo
window_name=big
w=$(time_to_window "$norvelin" "$scratch/big.rtf")
unset window_name
printf "  norvelin  process start to window mapped with the document (one run): %s ms\n" "$(ms "$w")"
if [ "$have_abiword" = yes ]; then
  a=$(printf '%s\n' "${abiword[@]}" | median)
  printf "  abiword   process start to window up and idle:  median %8s ms   runs:" "$(ms "$a")"
  for v in "${abiword[@]}"; do printf " %s" "$(ms "$v")"; done
  echo
  awk -v n="$n" -v a="$a" 'BEGIN {printf "  AbiWord / Norvelin: %.1fx (target: at least 8x)\n", a / n}'
fi

echo
echo "Key press to repaint (target: median within one 60 Hz frame, 16 ms):"
for doc in big.rtf big50.rtf; do
  echo "  $doc ($(du -m "$scratch/$doc" | cut -f1) MB):"
  NORVELIN_PROBE_TYPING=30 "$norvelin" "$scratch/$doc" | sed 's/^norvelin: /    /'
done

echo
echo "Pasting 10 MB of text into an empty document (target: under 1 s):"
NORVELIN_PROBE_TYPING=10 NORVELIN_PROBE_PASTE_MB=10 "$norvelin" | grep -v "window shown\|laid out\|while laying out\|in the middle" | sed 's/^norvelin: /  /'
