#!/usr/bin/env bash
# Speed and memory of the RTF codec on generated NQ documents (1 MB and 10 MB), and the
# time LibreOffice and AbiWord take to convert the same files, as ratios; then the two
# hostile shapes: a million one-letter paragraphs, ten pictures that decode to 120 MB
# each, and files of many distinct faces, undecodable pictures or a long link
# instruction. Prints figures; judges nothing. A peer that is not installed is skipped.
#   benchmarks/rtf/run_rtf_bench.sh [BUILD_DIR]        (default: build)
set -euo pipefail
build=${1:-build}
bench="$build/bin/rtf_bench"
tool="$build/bin/norvelin-rtf"
for exe in "$bench" "$tool"; do
  [[ -x "$exe" ]] || { echo "missing $exe: build the targets rtf_bench and norvelin-rtf" >&2; exit 1; }
done
[[ -x /usr/bin/time ]] || { echo "needs /usr/bin/time (Debian package time)" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen

# "seconds peak-kB" of one run of a command, its output discarded.
measure() { /usr/bin/time -f "%e %M" -o "$work/time" "$@" > /dev/null 2>&1 || true; cat "$work/time"; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.1f", a / b; else print "n/a" }'; }

for size in 1 10; do
  file="$work/nq-${size}mb.rtf"
  "$bench" generate "$file" "$size" 2> /dev/null
  echo "== $(basename "$file")"
  for mode in tokenize read write; do
    "$bench" "$mode" "$file" 5 2> /dev/null
  done
  read -r ours ours_kb <<< "$(measure "$tool" "$file" "$work/ours.txt")"
  read_s=$("$bench" read "$file" 5 2> /dev/null | awk '{ for (i = 1; i <= NF; ++i) if ($i == "median") print $(i + 1) }')
  printf "norvelin-rtf → txt (whole process)  %6.2f s  peak RSS %6.1f MB\n" "$ours" "$(awk -v k="$ours_kb" 'BEGIN{print k/1024}')"
  if command -v soffice > /dev/null; then
    profile="file://$work/lo-profile"
    measure soffice -env:UserInstallation="$profile" --headless --convert-to txt --outdir "$work/lo" "$file" > /dev/null  # first start sets up the profile
    read -r lo lo_kb <<< "$(measure soffice -env:UserInstallation="$profile" --headless --convert-to "txt:Text (encoded):UTF8" --outdir "$work/lo" "$file")"
    printf "soffice → txt                       %6.2f s  peak RSS %6.1f MB  ratio to our read %s×, to our whole process %s×\n" \
      "$lo" "$(awk -v k="$lo_kb" 'BEGIN{print k/1024}')" "$(ratio "$lo" "$read_s")" "$(ratio "$lo" "$ours")"
  else
    echo "soffice: not installed, skipped"
  fi
  if command -v abiword > /dev/null; then
    read -r abi abi_kb <<< "$(measure abiword --to=txt -o "$work/abi.txt" "$file")"
    printf "abiword → txt                       %6.2f s  peak RSS %6.1f MB  ratio to our read %s×, to our whole process %s×\n" \
      "$abi" "$(awk -v k="$abi_kb" 'BEGIN{print k/1024}')" "$(ratio "$abi" "$read_s")" "$(ratio "$abi" "$ours")"
  else
    echo "abiword: not installed, skipped"
  fi
done

echo "== a million paragraphs (x\\par)"
"$bench" paragraphs "$work/paragraphs.rtf" 1000000
"$bench" read "$work/paragraphs.rtf" 3 2> /dev/null
read -r ours ours_kb <<< "$(measure "$tool" "$work/paragraphs.rtf" "$work/paragraphs.txt")"
printf "norvelin-rtf → txt (whole process)  %6.2f s  peak RSS %6.1f MB\n" "$ours" "$(awk -v k="$ours_kb" 'BEGIN{print k/1024}')"

echo "== ten 5600 x 5600 PNGs (a picture bomb)"
"$bench" pictures "$work/pictures.rtf" 10 5600
"$bench" read "$work/pictures.rtf" 1 2> /dev/null
read -r ours ours_kb <<< "$(measure "$tool" "$work/pictures.rtf" "$work/pictures.txt")"
printf "norvelin-rtf → txt (whole process)  %6.2f s  peak RSS %6.1f MB\n" "$ours" "$(awk -v k="$ours_kb" 'BEGIN{print k/1024}')"

# Reading must grow with the file, not with the square of what it holds.
for shape in "faces 25000" "faces 100000" "undecodable 20000" "undecodable 80000" "backslashes 20000000" \
             "tablerows 20000" "tablerows 80000"; do
  set -- $shape
  echo "== $2 $1"
  "$bench" "$1" "$work/$1.rtf" "$2" > /dev/null
  "$bench" read "$work/$1.rtf" 3 2> /dev/null
done
