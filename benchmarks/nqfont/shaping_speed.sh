#!/usr/bin/env bash
# How much the joined forms cost the shaper: HarfBuzz shapes the Bengali word list, as NQ
# codes, one word a line, with nq.ttf and with the same font without its GSUB (built for the
# tests as test-data/nq-unjoined.ttf). Prints both times and their ratio; judges nothing.
# A single ligature lookup once made the joined font about 40 times slower to shape.
#
#   benchmarks/nqfont/shaping_speed.sh [build-dir] [repeats]
#
# Needs hunspell-bn and hb-shape (libharfbuzz-bin); scripts/test installs both.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$here/../../build}" && pwd)
repeats=${2:-5}
joined=$build/bin/nq.ttf
plain=$build/test-data/nq-unjoined.ttf
tool=$build/bin/norvelin-rtf
for f in "$joined" "$plain" "$tool"; do
  [ -e "$f" ] || { echo "no $f: build the project first" >&2; exit 2; }
done
words=/usr/share/hunspell/bn_BD.dic
[ -e "$words" ] || { echo "no $words (package hunspell-bn)" >&2; exit 2; }

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
sed 1d "$words" | cut -d/ -f1 > "$scratch/words.txt"
"$tool" --from-unicode "$scratch/words.txt" "$scratch/words.rtf" 2>/dev/null
"$tool" "$scratch/words.rtf" "$scratch/codes.txt" 2>/dev/null
# Plain text keeps codes 128-159 as U+0080-U+009F; the font maps them at their Windows-1252
# characters (U+2021 for 135), as the editor holds them: shaped raw they would be .notdef.
python3 -c 'import sys; t = open(sys.argv[1], encoding="utf-8").read(); open(sys.argv[2], "w", encoding="utf-8").write("".join(bytes([ord(c)]).decode("cp1252", "replace") if 0x80 <= ord(c) <= 0x9F else c for c in t))' "$scratch/codes.txt" "$scratch/nq.txt"

best() {
  local font=$1 best_ms=
  for _ in $(seq "$repeats"); do
    local start end ms
    start=$(date +%s%N)
    hb-shape --output-file=/dev/null "$font" --text-file="$scratch/nq.txt"
    end=$(date +%s%N)
    ms=$(( (end - start) / 1000000 ))
    if [ -z "$best_ms" ] || [ "$ms" -lt "$best_ms" ]; then best_ms=$ms; fi
  done
  echo "$best_ms"
}

lines=$(wc -l < "$scratch/nq.txt")
with=$(best "$joined")
without=$(best "$plain")
echo "shaping $lines words as NQ codes (best of $repeats):"
echo "  nq.ttf with joined forms: $with ms"
echo "  nq.ttf without GSUB:      $without ms"
awk -v a="$with" -v b="$without" 'BEGIN { if (b > 0) printf "  joined / plain: %.1fx\n", a / b }'
