#!/usr/bin/env bash
# usage: benchmarks/spelling/run_spelling_bench.sh BUILD_DIR
# Builds the corpus from the Bengali translations installed here and measures the checker.
set -euo pipefail
build=${1:?usage: run_spelling_bench.sh BUILD_DIR}
here=$(cd "$(dirname "$0")" && pwd)
cmake --build "$build" --target bench_spelling
/usr/bin/python3 -B "$here/make_corpus.py" "$build/spelling-corpus"
"$build/bin/bench_spelling" "$build/spelling-corpus"
