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

command -v xdotool >/dev/null || { echo "xdotool is needed" >&2; exit 2; }
[ -x "$norvelin" ] || { echo "no norvelin at $norvelin" >&2; exit 2; }

scratch=$(mktemp -d)
xvfb_pid=
cleanup() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$scratch"
}
trap cleanup EXIT

if [ -z "${DISPLAY:-}" ]; then
  # The server picks a free display itself (-displayfd), so that runs beside other
  # X servers on the machine cannot collide; -noreset keeps it from resetting, and
  # refusing connections meanwhile, each time the last program between runs has quit.
  command -v Xvfb >/dev/null || { echo "Xvfb is needed (package xvfb)" >&2; exit 2; }
  Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp -noreset 3>"$scratch/display" 2>/dev/null &
  xvfb_pid=$!
  for _ in $(seq 100); do [ -s "$scratch/display" ] && break; sleep 0.05; done
  [ -s "$scratch/display" ] || { echo "Xvfb did not start" >&2; exit 2; }
  export DISPLAY=":$(head -n1 "$scratch/display")"
fi
export HOME=$scratch XDG_DATA_HOME=$scratch/data XDG_CONFIG_HOME=$scratch/config \
  XDG_CACHE_HOME=$scratch/cache XDG_RUNTIME_DIR=$scratch/runtime
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

now_ns() { date +%s%N; }

# Milliseconds from starting "$@" until one of its windows is viewable; the program is
# then ended. xdotool's own --sync waits in half-second steps, hence a poll of our own
# (every 10 ms: faster polling floods the X server with connections).
time_to_window() {
  local start end pid
  start=$(now_ns)
  "$@" >"$scratch/last.log" 2>&1 &
  pid=$!
  until xdotool search --onlyvisible --pid "$pid" >/dev/null 2>&1; do
    if ! kill -0 "$pid" 2>/dev/null; then
      echo "$1 exited before showing a window:" >&2
      tail -n 5 "$scratch/last.log" >&2
      return 1
    fi
    sleep 0.01
  done
  end=$(now_ns)
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  echo $(((end - start) / 1000))
}

median() { sort -n | awk '{v[NR]=$1} END {if (NR % 2) print v[(NR+1)/2]; else print (v[NR/2]+v[NR/2+1])/2}'; }
ms() { awk -v us="$1" 'BEGIN {printf "%.1f", us / 1000}'; }

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
