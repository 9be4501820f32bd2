#!/usr/bin/env bash
# Start-up time: from process start until the program's window is mapped on an X server,
# for Norvelin and, when installed, AbiWord, measured the same way in the same run,
# alternately, after one warm-up run each. Prints every run, the medians and their ratio.
#
#   benchmarks/startup/startup_bench.sh [path/to/norvelin] [runs]
#
# Needs xdotool; starts its own Xvfb when no DISPLAY is set. Both programs run with a fresh
# HOME, so that no user settings or earlier documents play a part.
set -euo pipefail

norvelin=${1:-$(dirname "$0")/../../build/bin/norvelin}
runs=${2:-7}

[ -x "$norvelin" ] || { echo "no norvelin at $norvelin" >&2; exit 2; }

source "$(dirname "$0")/../lib/x_timing.sh"

programs=("norvelin")
abiword_cmd=()
if command -v abiword >/dev/null; then
  programs+=("abiword")
  abiword_cmd=(abiword)
else
  echo "AbiWord is not installed: measuring Norvelin alone"
fi

run_one() {
  case $1 in
    norvelin) time_to_window "$norvelin" ;;
    abiword) time_to_window "${abiword_cmd[@]}" ;;
  esac
}

for program in "${programs[@]}"; do run_one "$program" >/dev/null; done   # warm-up

declare -A results
for ((i = 1; i <= runs; i++)); do
  for program in "${programs[@]}"; do
    results[$program]+="$(run_one "$program") "
  done
done

echo "Start-up, process start to window mapped ($runs runs each, Xvfb 1280x800):"
for program in "${programs[@]}"; do
  values=${results[$program]}
  printf "  %-9s median %7s ms   runs:" "$program" "$(ms "$(echo $values | tr ' ' '\n' | median)")"
  for v in $values; do printf " %s" "$(ms "$v")"; done
  echo
done
if [ ${#programs[@]} -eq 2 ]; then
  n=$(echo ${results[norvelin]} | tr ' ' '\n' | median)
  a=$(echo ${results[abiword]} | tr ' ' '\n' | median)
  awk -v n="$n" -v a="$a" 'BEGIN {printf "  AbiWord / Norvelin: %.1fx (target: at least 4x)\n", a / n}'
fi
