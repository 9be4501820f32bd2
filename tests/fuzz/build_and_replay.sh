#!/bin/sh
# Builds the fuzz harness with clang in a small build of its own (only its target) and
# replays the seed corpus through it, so that the fuzz build cannot rot unnoticed.
# Usage: build_and_replay.sh SOURCE_DIR BUILD_DIR [COMPILER_LAUNCHER]
set -eu
source_dir=$1
build_dir=$2
launcher=${3:-}
if ! command -v clang++ > /dev/null; then
  echo "clang++ is not installed (packages clang and libclang-rt-14-dev; scripts/test installs them)" >&2
  exit 1
fi
cmake -S "$source_dir" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ ${launcher:+-DCMAKE_CXX_COMPILER_LAUNCHER=$launcher} \
  -DNORVELIN_FUZZ=ON -DNORVELIN_TESTS=OFF -DNORVELIN_BENCHMARKS=OFF > "$build_dir.configure.log" 2>&1 \
  || { cat "$build_dir.configure.log" >&2; exit 1; }
cmake --build "$build_dir" --target rtf_reader_fuzzer
# Each seed once; a crash, a sanitizer report or a failed round trip ends with non-zero.
# Leak detection is off: Qt keeps process-wide caches alive until exit.
ASAN_OPTIONS=detect_leaks=0 "$build_dir/bin/rtf_reader_fuzzer" "$source_dir"/fuzz/corpus/rtf_reader/*
