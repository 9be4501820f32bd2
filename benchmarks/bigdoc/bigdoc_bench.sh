#!/usr/bin/env bash
# Big documents as a writer meets them, on an X server (Xvfb):
#  1. `norvelin big.rtf` (4 MB of NQ text with mixed formatting) to its first page painted
#     (NORVELIN_EXIT_WHEN_SHOWN) and to its window mapped with the file's name; beside
#     `abiword big.rtf` to its window mapped and to its settling, alternately.
#  2. Key press to repaint in a 4 MB and a 50 MB document: while the rest is still being
#     laid out and in the middle once it is (NORVELIN_PROBE_TYPING).
#  3. Pasting 10 MB of text into an empty document (NORVELIN_PROBE_PASTE_MB).
#  4. Key press to repaint in a 10 MB and a 50 MB document while recovery copies are written
#     (NORVELIN_PROBE_RECOVERY_COPY), against the copy written on the window's thread;
#     `build/bin/bench_recovery_copy FILE` says where a copy's time goes.
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
/usr/bin/python3 "$here/../batch/make_archive.py" --one "$scratch/big10.rtf" 10

echo
echo "Opening big.rtf ($runs runs each, alternately):"
# Norvelin says when its first page is painted. AbiWord does not: it is timed to its
# window mapped and to its settling (time_to_idle), which bracket its first page.
painted=()
abiword=()
abiword_mapped=()
norvelin_mapped=()
have_abiword=$(command -v abiword >/dev/null && echo yes || echo no)
[ "$have_abiword" = yes ] && time_to_idle abiword "$scratch/big.rtf" >/dev/null   # warm-up
NORVELIN_EXIT_WHEN_SHOWN=1 "$norvelin" "$scratch/big.rtf" >/dev/null
for ((i = 1; i <= runs; i++)); do
  line=$(NORVELIN_EXIT_WHEN_SHOWN=1 "$norvelin" "$scratch/big.rtf" | grep "first page painted")
  painted+=("$(echo "$line" | awk '{printf "%d", $5 * 1000}')")
  if [ "$have_abiword" = yes ]; then
    abiword+=("$(time_to_idle abiword "$scratch/big.rtf")")
    window_name=big
    abiword_mapped+=("$(time_to_window abiword "$scratch/big.rtf")")
    norvelin_mapped+=("$(time_to_window "$norvelin" "$scratch/big.rtf")")
    unset window_name
  fi
done
n=$(printf '%s\n' "${painted[@]}" | median)
printf "  norvelin  main() to the first page painted: median %8s ms   runs:" "$(ms "$n")"
for v in "${painted[@]}"; do printf " %s" "$(ms "$v")"; done
echo
if [ "$have_abiword" = yes ]; then
  a=$(printf '%s\n' "${abiword[@]}" | median)
  am=$(printf '%s\n' "${abiword_mapped[@]}" | median)
  nm=$(printf '%s\n' "${norvelin_mapped[@]}" | median)
  printf "  norvelin  process start to window mapped, caption naming the file: median %8s ms\n" "$(ms "$nm")"
  printf "  abiword   process start to window mapped, caption naming the file: median %8s ms\n" "$(ms "$am")"
  printf "  abiword   process start to window up and settled (its whole layout): median %8s ms   runs:" "$(ms "$a")"
  for v in "${abiword[@]}"; do printf " %s" "$(ms "$v")"; done
  echo
  # AbiWord maps its window before the document is drawn, and settles only once it has
  # laid out everything: its first page lies between the two.
  awk -v n="$n" -v nm="$nm" -v a="$a" -v am="$am" 'BEGIN {
    printf "  AbiWord mapped / Norvelin mapped: %.1fx; AbiWord settled / Norvelin first page: %.1fx (target: at least 8x)\n", am / nm, a / n }'
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

echo
echo "Key press to repaint while a recovery copy is written (target: no frame over 50 ms for it):"
for doc in big10.rtf big50.rtf; do
  echo "  $doc ($(du -m "$scratch/$doc" | cut -f1) MB):"
  XDG_STATE_HOME=$scratch/state NORVELIN_PROBE_TYPING=30 NORVELIN_PROBE_RECOVERY_COPY=1 "$norvelin" "$scratch/$doc" \
    | grep "in the middle\|recovery copy\|window's thread" | sed 's/^norvelin: /    /'
done
