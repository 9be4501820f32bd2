# Shared by the benchmarks that time windows on an X server: a private Xvfb, a fresh HOME,
# and the time from starting a program to its window being mapped. Source it; it sets
# $scratch (removed on exit) and DISPLAY.

scratch=$(mktemp -d)
xvfb_pid=
cleanup() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$scratch"
}
trap cleanup EXIT

command -v xdotool >/dev/null || { echo "xdotool is needed" >&2; exit 2; }
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

# Microseconds from starting "$@" until one of its windows is viewable (and, when
# $window_name is set, carries a title matching it); the program is then ended.
# xdotool's own --sync waits in half-second steps, hence a poll of our own (every 10 ms:
# faster polling floods the X server with connections).
time_to_window() {
  local start end pid
  local name_args=()
  [ -n "${window_name:-}" ] && name_args=(--name "$window_name")
  start=$(now_ns)
  "$@" >"$scratch/last.log" 2>&1 &
  pid=$!
  until xdotool search --onlyvisible --pid "$pid" "${name_args[@]}" >/dev/null 2>&1; do
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

# Microseconds from starting "$@" until its window is mapped and it has then settled: the
# start of the first 300 ms in which it used at most one clock tick of CPU (a blinking
# caret costs about that). For programs that load a document after mapping their window
# and do not say when they are done.
time_to_idle() {
  local start pid cpu i
  local -a times=() cpus=()
  start=$(now_ns)
  "$@" >"$scratch/last.log" 2>&1 &
  pid=$!
  until xdotool search --onlyvisible --pid "$pid" >/dev/null 2>&1; do
    kill -0 "$pid" 2>/dev/null || { echo "$1 exited before showing a window" >&2; return 1; }
    sleep 0.01
  done
  for ((i = 0; i < 3000; i++)); do
    cpu=$(awk '{print $14 + $15}' "/proc/$pid/stat" 2>/dev/null) || break
    times+=("$(now_ns)")
    cpus+=("$cpu")
    if [ "$i" -ge 6 ] && [ $((cpu - cpus[i - 6])) -le 1 ]; then
      kill "$pid" 2>/dev/null || true
      wait "$pid" 2>/dev/null || true
      echo $(((times[i - 6] - start) / 1000))
      return 0
    fi
    sleep 0.05
  done
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  echo "$1 did not settle" >&2
  return 1
}

median() { sort -n | awk '{v[NR]=$1} END {if (NR % 2) print v[(NR+1)/2]; else print (v[NR/2]+v[NR/2+1])/2}'; }
ms() { awk -v us="$1" 'BEGIN {printf "%.1f", us / 1000}'; }
