#!/usr/bin/env bash
# Converting an archive: 1,000 generated NQ documents of mixed sizes (make_archive.py) to
# text, by `norvelin-rtf --to txt` (all cores) and by LibreOffice's
# `soffice --headless --convert-to txt` over the same files, 200 files a call. Prints the wall times,
# the documents per second and the ratio; it judges nothing.
#
#   benchmarks/batch/batch_bench.sh [build-dir] [documents]
#
# Needs LibreOffice Writer (scripts/test installs libreoffice-writer-nogui).
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$here/../../build}" && pwd)
count=${2:-1000}
tool=$build/bin/norvelin-rtf
[ -x "$tool" ] || { echo "no $tool: cmake --build $build --target norvelin-rtf" >&2; exit 2; }
command -v soffice >/dev/null || { echo "soffice is needed (package libreoffice-writer-nogui)" >&2; exit 2; }

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export HOME=$scratch

/usr/bin/python3 "$here/make_archive.py" "$scratch/archive" "$count"
mapfile -t files < <(find "$scratch/archive" -name '*.rtf' | sort)

seconds() { awk -v s="$1" -v e="$2" 'BEGIN {printf "%.2f", (e - s) / 1e9}'; }

# A profile of its own, so that no other LibreOffice running on the machine takes the call
# over; its first start makes the profile, which is not part of the conversion.
lo_profile=(-env:UserInstallation=file://$scratch/lo-profile)
soffice "${lo_profile[@]}" --headless --convert-to txt --outdir "$scratch/warmup" "${files[0]}" >/dev/null 2>&1

start=$(date +%s%N)
"$tool" --to txt -o "$scratch/norvelin" "$scratch/archive" >"$scratch/norvelin.log"
end=$(date +%s%N)
ours=$(seconds "$start" "$end")
start=$(date +%s%N)
"$tool" --unicode --to txt -o "$scratch/norvelin-unicode" "$scratch/archive" >"$scratch/unicode.log"
end=$(date +%s%N)
unicode=$(seconds "$start" "$end")

start=$(date +%s%N)
# One call takes the whole list but stops, silently and with status 0, after a few hundred
# files (measured: 247 of 1,000 here); calls of 200 files each convert them all.
for ((first = 0; first < ${#files[@]}; first += 200)); do
  soffice "${lo_profile[@]}" --headless --convert-to txt:Text --outdir "$scratch/soffice" "${files[@]:first:200}" \
    >>"$scratch/soffice.log" 2>&1 || echo "soffice exited with status $?: $(tail -n 3 "$scratch/soffice.log")"
done
end=$(date +%s%N)
theirs=$(seconds "$start" "$end")

converted=$(find "$scratch/soffice" -name '*.txt' | wc -l)
echo "Converting $count documents ($(du -sm "$scratch/archive" | cut -f1) MB of RTF) to text on $(nproc) cores:"
echo "  norvelin-rtf --to txt:           $ours s ($(grep '^converted' "$scratch/norvelin.log"))"
echo "  norvelin-rtf --unicode --to txt: $unicode s ($(grep '^characters' "$scratch/unicode.log"))"
echo "  soffice --convert-to txt:        $theirs s ($converted files written, in $(( (${#files[@]} + 199) / 200 )) calls)"
awk -v o="$ours" -v t="$theirs" -v n="$count" 'BEGIN {
  printf "  documents per second: norvelin-rtf %.0f, LibreOffice %.1f\n", n / o, n / t
  printf "  LibreOffice / norvelin-rtf: %.0fx (target: at least 50x)\n", t / o }'
